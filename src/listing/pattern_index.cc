#include "listing/pattern_index.h"

#include "listing/line_pattern.h"

namespace vantrel {

pattern_index::pattern_index(pattern_set patterns) : patterns_(patterns) {
  std::size_t count = 0;
  while (count < listing_reader::max_set_patterns && patterns[count] != nullptr) ++count;
  stride_ = count + 1;
  lists_.assign(256 * stride_, end_of_list);
  for (int byte = 0; byte < 256; ++byte) {
    std::uint8_t* list = lists_.data() + static_cast<std::size_t>(byte) * stride_;
    for (std::size_t k = 0; k < count; ++k) {
      const line_pattern& pattern = *patterns[k];
      const line_pattern::token_info& first = pattern.info_[0];
      // Left out: a compiled pattern whose first token is a plain literal
      // with another first byte. It fails on any word of this first byte,
      // also one that an earlier pattern's search or prefix token shortens,
      // and its failure leaves nothing that shows.
      const bool passed_over =
          pattern.last_token_ >= 0 && first.kind == line_pattern::token_kind::never &&
          first.literal_first != '\0' && static_cast<unsigned char>(first.literal_first) != byte;
      if (!passed_over) *list++ = static_cast<std::uint8_t>(k);
    }
  }
}

}  // namespace vantrel
