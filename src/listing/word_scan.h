#ifndef VANTREL_LISTING_WORD_SCAN_H
#define VANTREL_LISTING_WORD_SCAN_H

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vantrel {

// The word rules of the listing layer, shared by the stream, the reader and
// the classifier. The word scans may read up to word_scan_padding bytes past
// the line's terminating NUL (the 16-byte masks of byte_masks.h as well), so
// the buffer they run on must have that room.
constexpr int word_scan_padding = 16;

// Copies the n bytes of a word to `out` in steps of 8 and returns the end
// of the copy. Up to 7 bytes past the word are read and written: the word's
// text must be followed by word_scan_padding readable bytes, as every line
// and capture is, and `out` must have as much room past the n bytes. A
// short word takes one step instead of a call.
inline char* copy_word(char* out, const char* word, std::size_t n) {
  for (std::size_t i = 0; i < n; i += 8) std::memcpy(out + i, word + i, 8);
  return out + n;
}

// True for the delimiter bytes of every word and field: blank, tab, LF and
// CR.
inline bool is_word_delimiter(char c) {
  constexpr std::uint64_t mask = (1ull << ' ') | (1ull << '\t') | (1ull << '\n') | (1ull << '\r');
  auto u = static_cast<unsigned char>(c);
  return u <= ' ' && ((mask >> u) & 1) != 0;
}

// True when `text` begins with an optional sign, an optional '.', then a
// decimal digit. Looks at no more than three characters.
inline bool starts_with_number(const char* text) {
  // Without branches: the sign of a listing's values is as good as random.
  text += (*text == '-') | (*text == '+');
  text += *text == '.';
  return static_cast<unsigned char>(*text - '0') <= 9;
}

// One word inside a line; owns no text and is not terminated: the length
// says where it ends.
struct word_ref {
  const char* start = nullptr;
  std::int32_t length = 0;
};

// True for a delimiter and for the NUL that ends the line.
inline bool ends_word(char c) {
  constexpr std::uint64_t mask =
      (1ull << 0) | (1ull << ' ') | (1ull << '\t') | (1ull << '\n') | (1ull << '\r');
  auto u = static_cast<unsigned char>(c);
  return u <= ' ' && ((mask >> u) & 1) != 0;
}

// The scans look at 8 bytes at a time where the byte order lets the first
// marked byte be found by counting trailing zero bits; elsewhere they go
// byte by byte.
#if (defined(__GNUC__) || defined(__clang__)) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
inline std::uint64_t load_8(const char* p) {
  std::uint64_t x;
  std::memcpy(&x, p, sizeof x);
  return x;
}

// Index of the first of the 8 bytes at `p` that is at most 0x20 (every
// delimiter and NUL are), or 8 when there is none.
inline int first_low_byte(const char* p) {
  std::uint64_t x = load_8(p);
  // Flags the bytes below 0x21; a flag can be wrong only above a right one,
  // so the lowest flag is exact.
  std::uint64_t low = (x - 0x2121212121212121ull) & ~x & 0x8080808080808080ull;
  return low == 0 ? 8 : __builtin_ctzll(low) >> 3;
}

// Index of the first of the 8 bytes at `p` that is not a blank, or 8.
inline int first_non_blank(const char* p) {
  std::uint64_t other = load_8(p) ^ 0x2020202020202020ull;
  return other == 0 ? 8 : __builtin_ctzll(other) >> 3;
}
#else
inline int first_low_byte(const char* p) {
  int i = 0;
  while (i < 8 && static_cast<unsigned char>(p[i]) > 0x20) ++i;
  return i;
}

inline int first_non_blank(const char* p) {
  int i = 0;
  while (i < 8 && p[i] == ' ') ++i;
  return i;
}
#endif

// The first byte from `p` on that is no delimiter (it may be the NUL).
inline char* skip_delimiters(char* p) {
  for (;;) {
    int i = first_non_blank(p);
    p += i;
    if (i < 8) {
      if (!is_word_delimiter(*p)) return p;
      ++p;
    }
  }
}

// The end of the word that starts at `p`: its first delimiter or the NUL.
// Words are scanned 8 bytes at a time; the rare control bytes that belong
// to a word (form feed and the like) are stepped over one by one.
inline char* word_end(char* p) {
  for (;;) {
    int i = first_low_byte(p);
    p += i;
    if (i < 8) {
      if (ends_word(*p)) return p;
      ++p;
    }
  }
}

// Fills `word` with the next word from `read_pos`, passing over words that
// are a lone ".", and leaves `read_pos` at its start. Returns its length, 0
// at the end of the line.
inline std::int32_t next_word(char*& read_pos, word_ref& word) {
  for (;;) {
    char* start = skip_delimiters(read_pos);
    read_pos = start;
    char* end = word_end(start);
    if (end - start == 1 && *start == '.') {
      read_pos = end;
      continue;
    }
    word.start = start;
    word.length = static_cast<std::int32_t>(end - start);
    return word.length;
  }
}

}  // namespace vantrel

#endif  // VANTREL_LISTING_WORD_SCAN_H
