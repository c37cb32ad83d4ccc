#include "listing/pattern_index.h"

#include "listing/line_pattern.h"

namespace vantrel {

pattern_index::pattern_index(pattern_set patterns) : patterns_(patterns) {
  while (size_ < listing_reader::max_set_patterns && patterns[size_] != nullptr) ++size_;
  for (int k = 0; k < size_; ++k) {
    const line_pattern& pattern = *patterns[k];
    const line_pattern::token_info& first = pattern.info_[0];
    // Left out: a compiled pattern whose first token is a plain literal
    // with another first byte. It fails on any word of this first byte,
    // also one that an earlier pattern's search or prefix token shortens,
    // and its failure leaves nothing that shows.
    const bool plain_literal = pattern.last_token_ >= 0 &&
                               first.kind == line_pattern::token_kind::never &&
                               first.literal_first != '\0';
    for (int byte = 0; byte < 256; ++byte) {
      if (plain_literal && static_cast<unsigned char>(first.literal_first) != byte) continue;
      masks_[byte][k / 64] |= 1ull << (k % 64);
    }
  }
}

}  // namespace vantrel
