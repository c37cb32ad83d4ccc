#ifndef VANTREL_SUPPORT_DECIMAL_H
#define VANTREL_SUPPORT_DECIMAL_H

#include <cstdint>

namespace vantrel {

// The decimal text of ids, read and written by the million in a conversion
// through a lookup table. Both work in place, without a call.

// The run of ASCII digits at the start of 8 bytes.
struct digit_run {
  std::int32_t value = 0;  // the value of the run when it is 1 to 7 digits long
  int length = 0;          // the run's length, 8 when the 8 bytes are all digits

  bool has_value() const { return length > 0 && length < 8; }
};

// The 8 bytes at p as a number, p[0] lowest, on any host: compilers make
// one load of it where the host is little-endian.
inline std::uint64_t load_8_bytes(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return std::uint64_t{b[0]} | std::uint64_t{b[1]} << 8 | std::uint64_t{b[2]} << 16 |
         std::uint64_t{b[3]} << 24 | std::uint64_t{b[4]} << 32 | std::uint64_t{b[5]} << 40 |
         std::uint64_t{b[6]} << 48 | std::uint64_t{b[7]} << 56;
}

// Reads the run of digits at p, all 8 bytes at a time: the 8 bytes at p
// must be readable, whatever they hold. A run of 8 digits or more has no
// value here.
inline digit_run read_digit_run(const char* p) {
  // Each digit becomes its value, 0 to 9.
  std::uint64_t x = load_8_bytes(p) ^ 0x3030303030303030u;
  // The top bit of each byte that is no digit: its value is 10 or more. A
  // carry out of such a byte changes only the bytes after it.
  const std::uint64_t no_digit = ((x + 0x7676767676767676u) | x) & 0x8080808080808080u;
  digit_run run;
  if (no_digit == 0) {
    run.length = 8;
    return run;
  }
  // The first byte that is no digit: 1 << (8 * length + 7), which moves the
  // length into the top byte of the product.
  const std::uint64_t first = no_digit & (0 - no_digit);
  run.length = static_cast<int>(((first >> 7) * 0x0001020304050607u) >> 56);
  if (run.length == 0) return run;
  // The digits moved to the top, behind zeros, as an 8-digit number; pairs
  // of digits, then fours, are put together with multiplications.
  x <<= 8 * (8 - run.length);
  x = x * 10 + (x >> 8);
  x = ((x & 0x000000FF000000FFu) * (100 + (1000000ull << 32)) +
       ((x >> 16) & 0x000000FF000000FFu) * (1 + (10000ull << 32))) >>
      32;
  run.value = static_cast<std::int32_t>(x);
  return run;
}

// Writes v in decimal at `out`, with a leading '-' when negative, and
// returns the end: at most 11 bytes.
inline char* write_decimal(char* out, std::int32_t v) {
  // The magnitude is taken in unsigned arithmetic so INT32_MIN needs no
  // special case.
  std::uint32_t magnitude =
      v < 0 ? 0u - static_cast<std::uint32_t>(v) : static_cast<std::uint32_t>(v);
  if (v < 0) *out++ = '-';
  int length = 1;
  for (std::uint32_t bound = 10; length < 10 && magnitude >= bound; bound *= 10) ++length;
  char* const end = out + length;
  for (char* p = end; p != out; magnitude /= 10) *--p = static_cast<char>('0' + magnitude % 10);
  return end;
}

}  // namespace vantrel

#endif  // VANTREL_SUPPORT_DECIMAL_H
