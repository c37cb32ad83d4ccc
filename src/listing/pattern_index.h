#ifndef VANTREL_LISTING_PATTERN_INDEX_H
#define VANTREL_LISTING_PATTERN_INDEX_H

#include <cstdint>

#include "listing/listing_reader.h"

namespace vantrel {

// A pattern_set made ready for classify_line: the patterns that can match a
// line's first word, listed by the word's first byte. A pattern whose first
// token is a plain literal can match only a word that begins with the
// literal's first byte, so classify_line passes over the others without
// looking at them; the result is the same as trying the whole set in
// order. A set of list headers is mostly such patterns.
class pattern_index {
 public:
  // Indexes `patterns` as they are compiled now; compiling one of them
  // again, or changing the set, needs a new index. The set and its
  // patterns must outlive the index. With `shortcuts` false every
  // pattern is listed for every byte, so that classification tries the
  // whole set in order; the results must be the same either way.
  explicit pattern_index(pattern_set patterns, bool shortcuts = true);

  pattern_set patterns() const { return patterns_; }
  // The number of patterns in the set (at most max_set_patterns).
  int size() const { return size_; }
  // Whether pattern k is to be tried on a first word that begins with the
  // byte `first` (not NUL).
  bool may_match(char first, int k) const {
    return (masks_[static_cast<unsigned char>(first)][k / 64] >> (k % 64) & 1) != 0;
  }

 private:
  static constexpr int mask_words = listing_reader::max_set_patterns / 64;

  pattern_set patterns_;
  int size_ = 0;
  std::uint64_t masks_[256][mask_words] = {};
};

}  // namespace vantrel

#endif  // VANTREL_LISTING_PATTERN_INDEX_H
