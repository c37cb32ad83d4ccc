// Feeds one listing to the conversion engine. The first byte picks the run
// mode (low three bits) and the size of the input stream's chunks (the rest:
// 0 for one chunk of the whole listing, else that many bytes, to move the
// refills into lines).
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "listing/input_stream.h"
#include "listing/listing_reader.h"
#include "output/convert_listing.h"
#include "output/inp_text.h"
#include "output/run_mode.h"
#include "support/output_stream.h"
#include "support/pair_array.h"
#include "support/region_index.h"
#include "test_support/string_streams.h"

namespace {

using namespace vantrel;
using namespace vantrel_test;

// No mode and the batch list (which never reaches the engine) write what
// MODE_QUAD writes, so their places go to the .inp modes.
const int modes[8] = {MODE_SELECT, MODE_REGION_LOOKUP, MODE_ZSET,     MODE_BEAM,
                      MODE_DISP,   MODE_QUAD,          MODE_INP_SETS, MODE_INP_BOUNDARY};

// A small lookup table: a region 0 answer, a surface named twice, negative
// ids and the extremes of the 32-bit range.
const region_index& lookup_table() {
  static region_index index;
  static const bool built = [] {
    const pair_record records[] = {{3, 101}, {3, 102}, {7, 230},
                                   {0, 5},   {9, 101}, {-4, -17},
                                   {12, 1},  {2, 8},   {INT32_MAX, INT32_MIN}};
    const std::int32_t count = sizeof records / sizeof records[0];
    pair_array table;
    table.resize(count);
    for (std::int32_t k = 0; k < count; ++k) table.at(k) = records[k];
    return index.build(table, count);
  }();
  fuzz_check(built, "the lookup table is indexed");
  return index;
}

// Converts `listing` in `mode` and returns what was written. The reader
// must have read the listing to its end.
std::string convert(const std::string& listing, std::size_t chunk, int mode,
                    const region_index& regions) {
  conversion_settings settings;
  settings.run_mode = mode;
  settings.file_stem = "stem";
  settings.set_name = "stem";
  settings.listing_name = "stem.gem";
  settings.regions = &regions;
  string_input input(listing, chunk);
  listing_reader reader(input);
  string_output out;
  convert_listing(reader, out, settings);
  fuzz_check(!reader.read_line(), "the listing is read to its end");
  return out.str();
}

// The files of -a and -u: lines of at most 256 characters, none empty, each
// one of the forms the conversion writes.
void check_inp_file(const std::string& text) {
  fuzz_check(text.compare(0, 13, "** stem.gem\r\n") == 0, "the comment line comes first");
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    fuzz_check(end != std::string::npos, "every line ends in CR LF");
    const std::string line = text.substr(start, end - start);
    fuzz_check(!line.empty() && line.size() <= max_inp_line, "no line is empty or too long");
    if (line[0] != '*') {
      // Ids, or a boundary line: no blank but after a comma, no empty field.
      int fields = 1;
      for (std::size_t k = 0; k < line.size(); ++k) {
        if (line[k] == ',') {
          ++fields;
          fuzz_check(k + 2 < line.size() && line[k + 1] == ' ' && line[k + 2] != ',',
                     "fields are separated by a comma and a blank");
        }
      }
      fuzz_check(fields <= max_ids_on_line, "at most 16 fields to a line");
    }
    start = end + 2;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int mode = modes[data[0] & 7];
  const std::size_t chunk = data[0] >> 3;
  const std::string listing(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string text =
      convert(listing, chunk == 0 ? listing.size() : chunk, mode, lookup_table());

  // Every output ends with a line break, and every line feed that reaches
  // the output is stored as CR LF.
  if (mode & (MODE_INP_SETS | MODE_INP_BOUNDARY)) check_inp_file(text);
  fuzz_check(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0,
             "the output ends with a line break");
  for (std::size_t k = 0; k < text.size(); ++k) {
    fuzz_check(text[k] != '\n' || (k > 0 && text[k - 1] == '\r'),
               "every line feed is stored as CR LF");
  }
  // Under -s every line is empty or one whole record, whatever bytes
  // surround the listing's lines.
  for (std::size_t start = 0, end; mode == MODE_SELECT && start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    const std::string line = text.substr(start, end - start);
    fuzz_check(line.empty() || (line.size() > 11 && line.compare(0, 7, "SELPIC,") == 0 &&
                                std::isupper(static_cast<unsigned char>(line[7])) &&
                                std::isupper(static_cast<unsigned char>(line[8])) &&
                                line[9] == ',' && line.back() == ';' &&
                                line.find_first_of(std::string(" \t\r\n\0", 5)) == line.npos),
               "every selection line is empty or one whole record");
  }
  if ((mode & (MODE_SELECT | MODE_REGION_LOOKUP | MODE_ZSET | MODE_BEAM | MODE_DISP |
               MODE_INP_SETS | MODE_INP_BOUNDARY)) == 0) {
    fuzz_check(text == "\r\n", "a mode without records writes one line break");
  }
  // Without a table the region lookup selects like the selection mode, and
  // where the input's chunks end changes nothing.
  if (mode == MODE_SELECT) {
    fuzz_check(convert(listing, listing.size(), MODE_REGION_LOOKUP, region_index()) == text,
               "one chunk and an empty table leave the selection records as they are");
  }
  return 0;
}
