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
}

}  // namespace vantrel
