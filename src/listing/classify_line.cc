// classify_line: the lockstep match of a pattern set against the words of
// each line, an operation of listing_reader over line_pattern.
#include <cstdint>

#include "listing/input_stream.h"
#include "listing/line_pattern.h"
#include "listing/listing_reader.h"
#include "listing/pattern_index.h"
#include "listing/word_scan.h"

namespace vantrel {

int listing_reader::classify_line(const pattern_index& index, bool continue_line) {
  if (!continue_line && !read_line()) return -1;
  const pattern_set patterns = index.patterns();
  // Indexes of the patterns still open in this attempt, in set order.
  std::uint8_t open[max_set_patterns];
  int open_count = 0;
  word_ref word;
  bool next_line = false;
  // Matches token i of pattern k against the current word: 1 when the
  // pattern wins, 0 when it stays open (and is kept in `open`), -1 when it
  // drops out.
  auto take = [&](int i, int k) {
    line_pattern& pattern = *patterns[k];
    // A search or prefix token of an earlier pattern may have changed the
    // word's length, so its first byte is looked at afresh.
    if (word.length > 0 && !pattern.may_match(i, *word.start)) return -1;
    if (i == 0 && pattern.has_captures()) pattern.reset_match();
    if (!pattern.match_token(i, word, next_line)) return -1;
    if (i == pattern.last_token()) return 1;
    open[open_count++] = static_cast<std::uint8_t>(k);
    return 0;
  };
  for (;;) {
    next_line = false;
    for (int i = 0;; ++i) {
      const bool word_has_text = next_word(read_pos_, word) > 0;
      const int taken = open_count;
      open_count = 0;
      if (i == 0) {
        // Stage 0 takes the patterns that the index gives for the word's
        // first byte, in set order.
        for (int k = 0; k < index.size(); ++k) {
          if (word_has_text && !index.may_match(*word.start, k)) continue;
          if (take(0, k) > 0) {
            read_pos_ += word.length;
            return k;
          }
        }
      } else {
        for (int n = 0; n < taken; ++n) {
          const int k = open[n];
          if (take(i, k) > 0) {
            read_pos_ += word.length;
            return k;
          }
        }
      }
      if (open_count == 0) break;
      if (next_line) {
        // The rest of the old line is given up; field_count stays.
        next_line = false;
        read_physical_line();
        if (!stream_.good()) return -1;
      } else {
        read_pos_ += word.length;
      }
      if (*read_pos_ == '\0') break;
    }
    open_count = 0;
    if (!read_line()) return -1;
  }
}

}  // namespace vantrel
