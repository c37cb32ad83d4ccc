#ifndef VANTREL_LISTING_BYTE_MASKS_H
#define VANTREL_LISTING_BYTE_MASKS_H

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vantrel {

// Masks of 16 bytes at a time for the scans of the common data line: bit i
// of a mask stands for byte p[i], and all 16 bytes at p must be readable.
// x86-64 has SSE2 in every build, which gives each mask in a few
// instructions; the portable versions give the same masks a byte at a time,
// and are what other hosts use.
constexpr int mask_width = 16;

// The bytes that separate words and fields, and no others: blank, tab, LF
// and CR. Form feed, vertical tab and every other byte belong to words.
constexpr char word_delimiters[] = " \t\n\r";
constexpr int word_delimiter_count = sizeof word_delimiters - 1;

// The readable bytes that a scan of mask_width bytes at a time needs past
// the NUL that ends the text it scans; every line and capture has them.
constexpr int scan_padding = mask_width;

// A set of bytes below 64 as the bits of a word: bit b stands for byte b.
constexpr std::uint64_t low_byte_set(const char* bytes, int count) {
  std::uint64_t set = 0;
  for (int i = 0; i < count; ++i) set |= std::uint64_t{1} << static_cast<unsigned char>(bytes[i]);
  return set;
}
constexpr std::uint64_t word_delimiter_set = low_byte_set(word_delimiters, word_delimiter_count);

// The bytes that a mask leaves out, within the 16 bytes of a mask.
inline std::uint32_t other_bytes(std::uint32_t equal_mask) {
  return ~equal_mask & ((1u << mask_width) - 1);
}

namespace portable_masks {

// The bytes equal to c.
inline std::uint32_t bytes_equal(const char* p, char c) {
  std::uint32_t mask = 0;
  for (int i = 0; i < mask_width; ++i) mask |= std::uint32_t{p[i] == c} << i;
  return mask;
}

// The bytes at most 0x20: every word delimiter, the NUL and the other
// control bytes.
inline std::uint32_t bytes_up_to_blank(const char* p) {
  std::uint32_t mask = 0;
  for (int i = 0; i < mask_width; ++i) {
    mask |= std::uint32_t{static_cast<unsigned char>(p[i]) <= 0x20} << i;
  }
  return mask;
}

// The bytes that end a word: the word delimiters and NUL.
inline std::uint32_t bytes_ending_words(const char* p) {
  constexpr std::uint64_t ending = word_delimiter_set | 1;
  std::uint32_t mask = 0;
  for (int i = 0; i < mask_width; ++i) {
    const auto u = static_cast<unsigned char>(p[i]);
    mask |= std::uint32_t{u < 64 && ((ending >> u) & 1) != 0} << i;
  }
  return mask;
}

// The index of the lowest set bit of a mask that is not 0.
inline int lowest_bit(std::uint32_t mask) {
  int i = 0;
  while ((mask & 1) == 0) {
    mask >>= 1;
    ++i;
  }
  return i;
}

}  // namespace portable_masks

#if defined(__SSE2__)
namespace sse2_masks {

inline __m128i load_16(const char* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

inline std::uint32_t bytes_equal(const char* p, char c) {
  return static_cast<std::uint32_t>(
      _mm_movemask_epi8(_mm_cmpeq_epi8(load_16(p), _mm_set1_epi8(c))));
}

inline std::uint32_t bytes_up_to_blank(const char* p) {
  // Unsigned x <= 0x20 exactly when min(x, 0x20) == x.
  const __m128i x = load_16(p);
  return static_cast<std::uint32_t>(
      _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(x, _mm_set1_epi8(0x20)), x)));
}

inline std::uint32_t bytes_ending_words(const char* p) {
  const __m128i x = load_16(p);
  __m128i ending = _mm_cmpeq_epi8(x, _mm_setzero_si128());
  for (int i = 0; i < word_delimiter_count; ++i) {
    ending = _mm_or_si128(ending, _mm_cmpeq_epi8(x, _mm_set1_epi8(word_delimiters[i])));
  }
  return static_cast<std::uint32_t>(_mm_movemask_epi8(ending));
}

inline int lowest_bit(std::uint32_t mask) { return __builtin_ctz(mask); }

}  // namespace sse2_masks
namespace byte_masks = sse2_masks;
#else
namespace byte_masks = portable_masks;
#endif

}  // namespace vantrel

#endif  // VANTREL_LISTING_BYTE_MASKS_H
