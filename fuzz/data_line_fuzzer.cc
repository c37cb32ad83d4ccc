// Checks the shortcut for the common data line against the general
// classification, line by line, on the same listing. The first byte picks
// the size of the input stream's chunks (0 for one chunk of the whole
// listing, else that many bytes, so that lines straddle the refills) and,
// in its low bit, whether a data line is one numeric word or two, as the
// -d run and the other runs have it.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

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

// The fields after the read position, one per line.
std::string rest_of_line(listing_reader& reader) {
  std::string fields;
  const int count = reader.split_fields(0);
  for (int i = 0; i < count; ++i) fields.append(reader.field(i)).push_back('\n');
  return fields;
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
  for (;;) {
    const bool more = fast.read_line();
    fuzz_check(slow.read_line() == more, "both readers see the same lines");
    if (!more) break;
    word_ref first;
    if (!fast.take_leading_numbers(words, first)) continue;
    fuzz_check(slow.classify_line(general, true) == 0, "a shortcut line is a data line");
    fuzz_check(slow.first_word_is_number(), "a shortcut line starts with a number");
    const std::string id(first.start, static_cast<std::size_t>(first.length));
    fuzz_check(id == patterns[0].capture(0), "the shortcut's id is the captured one");
    fuzz_check(rest_of_line(fast) == rest_of_line(slow), "both stop at the same place");
  }
  return 0;
}
