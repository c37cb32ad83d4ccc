#include "output/inp_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace vantrel {
namespace {

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Bytes that may stand in a set name: printable 7-bit ASCII but the blank
// and the characters that end or split a label.
bool fits_set_name(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u > ' ' && u < 0x7f && std::strchr(",=*\"'", c) == nullptr;
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Skips a run of digits from `at`; returns how many there were.
std::size_t skip_digits(const char* text, std::size_t n, std::size_t& at) {
  const std::size_t start = at;
  while (at < n && is_digit(text[at])) ++at;
  return at - start;
}

}  // namespace

bool map_set_name(const char* stem, char* out) {
  const std::size_t length = std::strlen(stem);
  bool valid = length > 0 && length <= max_set_name && is_letter(stem[0]);
  for (std::size_t i = 0; valid && i < length; ++i) valid = fits_set_name(stem[i]);
  if (valid) {
    std::memcpy(out, stem, length + 1);
    return false;
  }
  std::size_t size = 0;
  if (!is_letter(stem[0])) {
    std::memcpy(out, "SET_", 4);
    size = 4;
  }
  for (const char* p = stem; *p != '\0' && size < max_set_name; ++p) {
    out[size++] = fits_set_name(*p) ? *p : '_';
  }
  out[size] = '\0';
  return true;
}

bool same_set_name(const char* a, const char* b) {
  for (; upper(*a) == upper(*b); ++a, ++b) {
    if (*a == '\0') return true;
  }
  return false;
}

bool is_plain_id(const char* id, std::size_t n) {
  if (n == 0 || n > 10) return false;
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (!is_digit(id[i])) return false;
    value = value * 10 + static_cast<std::uint64_t>(id[i] - '0');
  }
  return value >= 1 && value <= 2147483647u;
}

bool is_inp_number(const char* value, std::size_t n) {
  if (n == 0 || n > max_value_size) return false;
  std::size_t at = 0;
  if (value[at] == '+' || value[at] == '-') ++at;
  std::size_t digits = skip_digits(value, n, at);
  if (at < n && value[at] == '.') {
    ++at;
    digits += skip_digits(value, n, at);
  }
  if (digits == 0) return false;
  if (at < n && (value[at] == 'E' || value[at] == 'e')) {
    ++at;
    if (at < n && (value[at] == '+' || value[at] == '-')) ++at;
    if (skip_digits(value, n, at) == 0) return false;
  }
  if (at != n) return false;
  // The text is a plain decimal number, which strtod reads alike everywhere
  // in the "C" locale that the program keeps.
  char text[max_value_size + 1];
  std::memcpy(text, value, n);
  text[n] = '\0';
  const double magnitude = std::fabs(std::strtod(text, nullptr));
  // A zero is written with zero digits only; anything else that reads as 0
  // is too small for the solvers.
  const std::size_t mantissa_end = std::strcspn(text, "Ee");
  const bool zero = std::strspn(text, "+-.0") >= mantissa_end;
  return zero || (magnitude >= 1e-300 && magnitude <= 1e300);
}

std::size_t comment_text(const char* name, char* out, std::size_t capacity) {
  std::size_t size = 0;
  for (const char* p = name; *p != '\0' && size + 1 < capacity; ++p) {
    const auto u = static_cast<unsigned char>(*p);
    out[size++] = u >= ' ' && u < 0x7f ? *p : '?';
  }
  out[size] = '\0';
  return size;
}

}  // namespace vantrel
