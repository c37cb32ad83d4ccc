#include "listing/pattern_index.h"

#include "listing/line_pattern.h"

namespace vantrel {

pattern_index::pattern_index(pattern_set patterns, bool shortcuts) : patterns_(patterns) {
  while (size_ < listing_reader::max_set_patterns && patterns[size_] != nullptr) ++size_;
  for (int k = 0; k < size_; ++k) {
    const line_pattern& pattern = *patterns[k];
    for (int byte = 1; byte < 256; ++byte) {
      // Left out: a compiled pattern whose first token fails on any word of
      // this first byte, also one that an earlier pattern's search or
      // prefix token shortens; its failure leaves nothing that shows.
      if (shortcuts && pattern.last_token() >= 0 &&
          !pattern.may_match(0, static_cast<char>(byte))) {
        continue;
      }
      masks_[byte][k / 64] |= 1ull << (k % 64);
    }
  }
  for (int byte = 0; byte < 256; ++byte) {
    int only = -1;
    int count = 0;
    for (int k = 0; k < size_; ++k) {
      if (may_match(static_cast<char>(byte), k)) {
        only = k;
        ++count;
      }
    }
    const bool shortcut = shortcuts && count == 1 && patterns[only]->numbers_only();
    number_pattern_[byte] = static_cast<std::int16_t>(shortcut ? only : -1);
  }
}

}  // namespace vantrel
