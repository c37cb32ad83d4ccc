#ifndef VANTREL_LISTING_WORD_SCAN_H
#define VANTREL_LISTING_WORD_SCAN_H

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "listing/byte_masks.h"

namespace vantrel {

// The word rules of the listing layer, shared by the stream, the reader and
// the classifier. The word scans may read up to scan_padding bytes past the
// line's terminating NUL, so the buffer they run on must have that room.

// Copies the n bytes of a word to `out` in steps of 16 and returns the end
// of the copy. Up to 16 bytes past the word are read and written: the
// word's text must be followed by scan_padding readable bytes, as every
// line and capture is, and `out` must have as much room past the n bytes.
// A word of an id or a value takes one step instead of a call.
inline char* copy_word(char* out, const char* word, std::size_t n) {
  std::size_t i = 0;
  do {
    std::memcpy(out + i, word + i, 16);
    i += 16;
  } while (i < n);
  return out + n;
}

// True for the word delimiters.
inline bool is_word_delimiter(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 64 && ((word_delimiter_set >> u) & 1) != 0;
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
  const auto u = static_cast<unsigned char>(c);
  return u < 64 && (((word_delimiter_set | 1) >> u) & 1) != 0;
}

// The first byte from `p` on that is no delimiter (it may be the NUL).
// Runs of blanks go 16 bytes at a time.
inline char* skip_delimiters(char* p) {
  for (;;) {
    const std::uint32_t other = other_bytes(byte_masks::bytes_equal(p, ' '));
    if (other == 0) {
      p += mask_width;
      continue;
    }
    p += byte_masks::lowest_bit(other);
    if (!is_word_delimiter(*p)) return p;
    ++p;
  }
}

// The end of the word that starts at `p`: its first delimiter or the NUL.
// Words are scanned 16 bytes at a time; the rare control bytes that belong
// to a word (form feed and the like) are stepped over one by one.
inline char* word_end(char* p) {
  for (;;) {
    const std::uint32_t low = byte_masks::bytes_up_to_blank(p);
    if (low == 0) {
      p += mask_width;
      continue;
    }
    p += byte_masks::lowest_bit(low);
    if (ends_word(*p)) return p;
    ++p;
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
