// Feeds pattern texts and a listing to compile_pattern and classify_line,
// through a pattern index by first byte as the converter uses it, and checks
// it against the index that tries every pattern in set order.
// Input: one flag byte (bit 0: the first classify_line continues the current
// line; bits 1 to 4: chunk size of the input stream, 0 for one chunk),
// then up to 16 NUL-terminated pattern texts ended by an empty one, then the
// listing, which may hold NUL bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "listing/input_stream.h"
#include "listing/line_pattern.h"
#include "listing/listing_reader.h"
#include "listing/pattern_index.h"
#include "listing/word_scan.h"
#include "test_support/string_streams.h"

using namespace vantrel;
using namespace vantrel_test;

namespace {

constexpr int max_patterns = 16;

// True when `p` lies within the reader's current line or at its terminator.
bool in_line(const listing_reader& reader, const char* p) {
  const char* line = reader.line();
  return p >= line && p <= line + std::strlen(line);
}

// True for a field cut in place: inside the line buffer, not empty, and
// free of delimiters.
bool is_field(const listing_reader& reader, const char* field) {
  const char* line = reader.line();
  return field >= line && field < line + listing_reader::buffer_size && field[0] != '\0' &&
         std::find_if(field, field + std::strlen(field), is_word_delimiter) ==
             field + std::strlen(field);
}

// Classifies `listing` to its end with `set` (of `count` patterns), cutting
// each matched line into fields as the converter does, and returns the
// results and fields in order.
std::string classify_all(pattern_set set, int count, const std::string& listing, std::size_t chunk,
                         bool continue_line, bool shortcuts) {
  const pattern_index index_of_set(set, shortcuts);
  string_input input(listing, chunk);
  listing_reader reader(input);
  std::string trace;
  bool flag = continue_line;
  for (;;) {
    const int index = reader.classify_line(index_of_set, flag);
    flag = false;
    if (index < 0) break;
    fuzz_check(index < count && set[index]->last_token() >= 0,
               "the winner is a compiled pattern of the set");
    fuzz_check(in_line(reader, reader.read_pos()), "the read position stays in the line");
    trace += std::to_string(index) + ':';
    const int fields = reader.split_fields(0);
    fuzz_check(fields == reader.field_count() && fields <= listing_reader::max_fields,
               "at most 32 fields, all counted");
    for (int k = 0; k < fields; ++k) {
      fuzz_check(is_field(reader, reader.field(k)), "fields are words cut in the line");
      trace.append(reader.field(k)).push_back(' ');
    }
    trace.push_back('\n');
  }
  fuzz_check(!reader.read_line(), "classification reads the input to its end");
  return trace;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const char* text = reinterpret_cast<const char*>(data);
  const char* end = text + size;
  const bool continue_line = (data[0] & 1) != 0;
  const std::size_t chunk = (data[0] >> 1) & 15;
  const char* p = text + 1;

  line_pattern patterns[max_patterns];
  line_pattern* set[max_patterns + 1] = {};
  int count = 0;
  while (count < max_patterns && p < end) {
    const char* nul = static_cast<const char*>(std::memchr(p, '\0', end - p));
    if (nul == nullptr) break;
    std::string piece(p, nul);
    p = nul + 1;
    if (piece.empty()) break;
    const bool compiled = patterns[count].compile_pattern(piece.c_str());
    fuzz_check(compiled == (patterns[count].last_token() >= 0),
               "a rejected pattern stays uncompiled");
    fuzz_check(patterns[count].last_token() < line_pattern::max_tokens, "at most 16 tokens");
    set[count] = &patterns[count];
    ++count;
  }

  const std::string listing(p, end);
  const std::string trace =
      classify_all(set, count, listing, chunk == 0 ? listing.size() : chunk, continue_line, true);
  fuzz_check(classify_all(set, count, listing, listing.size(), continue_line, false) == trace,
             "the index by first byte classifies as the whole set in order, wherever the "
             "input's chunks end");
  return 0;
}
