#ifndef VANTREL_LISTING_PATTERN_INDEX_H
#define VANTREL_LISTING_PATTERN_INDEX_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "listing/listing_reader.h"

namespace vantrel {

// The patterns of a pattern_set that can match a line's first word, listed
// by the word's first byte. A pattern whose first token is a plain literal
// can match only a word that begins with the literal's first byte, so
// classify_line, given the index, passes over the others without looking
// at them; the result is the same as without the index. A set of list
// headers is mostly such patterns.
class pattern_index {
 public:
  static constexpr std::uint8_t end_of_list = 0xFF;

  // Indexes `patterns` as they are compiled now; compiling one of them
  // again, or changing the set, needs a new index. The set and its
  // patterns must outlive the index.
  explicit pattern_index(pattern_set patterns);

  pattern_set patterns() const { return patterns_; }
  // The indexes of the patterns to try, in set order, ended by end_of_list,
  // for a first word that begins with the byte `first` (not NUL).
  const std::uint8_t* candidates(char first) const {
    return lists_.data() + static_cast<unsigned char>(first) * stride_;
  }

 private:
  pattern_set patterns_;
  std::size_t stride_;  // the room of one list: the set's size and the end mark
  std::vector<std::uint8_t> lists_;
};

}  // namespace vantrel

#endif  // VANTREL_LISTING_PATTERN_INDEX_H
