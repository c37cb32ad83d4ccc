// Checks the shortcut for the common data line against the general
// classification, line by line, on the same listing, and the splitting of
// every line into fields against a plain byte-by-byte splitter. The first
// byte picks the size of the input stream's chunks (0 for one chunk of the
// whole listing, else that many bytes, so that lines straddle the refills)
// and, in its low bit, whether a data line is one numeric word or two, as
// the -d run and the other runs have it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "listing/line_pattern.h"
#include "listing/listing_reader.h"
#include "listing/pattern_index.h"
#include "listing/word_scan.h"
#include "test_support/string_streams.h"

namespace {

using namespace vantrel;
using namespace vantrel_test;

// The list headers of the conversions: patterns that begin with a letter.
const char* const header_words[] = {"Keypoint", "Curve", "Surface",     "Vol",  "Contour",
                                    "Region",   "Node",  "Polyhederon", "Part", "Elem"};
constexpr int header_count = sizeof header_words / sizeof header_words[0];

using field_list = std::vector<std::string>;

// The fields of `text` from slot `first` on, cut by split_fields, which
// must leave the read position at the end of the line, `line_size` bytes
// from its start.
field_list split(listing_reader& reader, int first, std::size_t line_size) {
  const char* const line = reader.line();
  const int count = reader.split_fields(first);
  const int from = first < 0                            ? 0
                   : first > listing_reader::max_fields ? listing_reader::max_fields
                                                        : first;
  fuzz_check(count >= 0 && from + count <= listing_reader::max_fields, "the slots are kept");
  fuzz_check(reader.field_count() == from + count, "the count is the slots used");
  field_list fields;
  for (int i = from; i < from + count; ++i) {
    fields.emplace_back(reader.field(i));
    fuzz_check(fields.back().size() == static_cast<std::size_t>(reader.field_length(i)),
               "a field's length is its text's");
  }
  fuzz_check(reader.read_pos() == line + line_size, "split_fields ends at the line's end");
  return fields;
}

// The same fields, cut a byte at a time: blank, tab, LF and CR delimit
// them, every other byte belongs to one, and at most `room` are kept.
field_list plain_split(const std::string& text, int room) {
  field_list fields;
  std::size_t i = 0;
  for (;;) {
    while (i < text.size() && std::strchr(" \t\n\r", text[i]) != nullptr) ++i;
    if (i == text.size() || static_cast<int>(fields.size()) == room) return fields;
    const std::size_t start = i;
    while (i < text.size() && std::strchr(" \t\n\r", text[i]) == nullptr) ++i;
    fields.push_back(text.substr(start, i - start));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int words = (data[0] & 1) + 1;
  const std::size_t chunk = data[0] >> 1;
  const std::string listing(reinterpret_cast<const char*>(data) + 1, size - 1);

  line_pattern patterns[header_count + 1];
  line_pattern* set[header_count + 2];
  patterns[0].compile_pattern(words == 1 ? "\t#*" : "\t#*,\t#*");
  set[0] = &patterns[0];
  for (int k = 0; k < header_count; ++k) {
    patterns[k + 1].compile_pattern(header_words[k]);
    set[k + 1] = &patterns[k + 1];
  }
  set[header_count + 1] = nullptr;
  // The general path alone: every pattern tried in order, no shortcut.
  const pattern_index general(set, false);

  string_input fast_input(listing, chunk == 0 ? listing.size() + 1 : chunk);
  string_input general_input(listing, chunk == 0 ? listing.size() + 1 : chunk);
  listing_reader fast(fast_input);
  listing_reader slow(general_input);
  for (int line = 0;; ++line) {
    const bool more = fast.read_line();
    fuzz_check(slow.read_line() == more, "both readers see the same lines");
    if (!more) break;
    const std::string text = fast.line();
    // Every first slot, those out of range too, in turn.
    const int slot = line % (listing_reader::max_fields + 3) - 1;
    const int room =
        listing_reader::max_fields - std::min(std::max(slot, 0), listing_reader::max_fields);
    word_ref first;
    if (!fast.take_leading_numbers(words, first)) {
      fuzz_check(split(fast, slot, text.size()) == plain_split(text, room),
                 "a whole line splits as byte by byte");
      continue;
    }
    fuzz_check(slow.classify_line(general, true) == 0, "a shortcut line is a data line");
    fuzz_check(patterns[0].capture_count() == words, "a shortcut line captures every number");
    const std::string id(first.start, static_cast<std::size_t>(first.length));
    fuzz_check(id == patterns[0].capture(0), "the shortcut's id is the captured one");
    const auto taken = static_cast<std::size_t>(fast.read_pos() - fast.line());
    const field_list rest = plain_split(text.substr(taken), room);
    fuzz_check(split(fast, slot, text.size()) == rest, "the rest splits as byte by byte");
    fuzz_check(split(slow, slot, text.size()) == rest, "both stop at the same place");
  }
  return 0;
}
