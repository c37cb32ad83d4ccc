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

// The bytes that end a word: blank, tab, LF, CR and NUL.
inline std::uint32_t bytes_ending_words(const char* p) {
  std::uint32_t mask = 0;
  for (int i = 0; i < mask_width; ++i) {
    const char c = p[i];
    mask |= std::uint32_t{c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\0'} << i;
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
  const __m128i blank_or_tab =
      _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(x, _mm_set1_epi8('\t')));
  const __m128i feed_or_return =
      _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(x, _mm_set1_epi8('\r')));
  const __m128i nul = _mm_cmpeq_epi8(x, _mm_setzero_si128());
  return static_cast<std::uint32_t>(
      _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(blank_or_tab, feed_or_return), nul)));
}

inline int lowest_bit(std::uint32_t mask) { return __builtin_ctz(mask); }

}  // namespace sse2_masks
namespace byte_masks = sse2_masks;
#else
namespace byte_masks = portable_masks;
#endif

}  // namespace vantrel

#endif  // VANTREL_LISTING_BYTE_MASKS_H
