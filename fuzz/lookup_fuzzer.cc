// Feeds one lookup file to the region table loader, checks the records
// against those that cutting every line into fields gives, then checks the
// index built from them against a plain first-match lookup. The first byte
// picks the size of the input stream's chunks (0 for one chunk of the whole
// file), to move the records that the loader takes straight from a chunk
// against its end; the rest is the file.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/region_table.h"
#include "fuzz_check.h"
#include "listing/input_stream.h"
#include "listing/listing_reader.h"
#include "support/pair_array.h"
#include "support/region_index.h"
#include "support/str_ref.h"
#include "test_support/string_streams.h"

using namespace vantrel;
using namespace vantrel_test;

namespace {

// The records of a lookup file read the plain way: every line cut into
// fields, the first two read with to_id; a first line "NUM ..." is no
// record, nor a line whose surface is 0 or that has an id outside 32 bits.
std::vector<std::pair<std::int32_t, std::int32_t>> plain_records(const std::string& text) {
  string_input input(text, text.size());
  listing_reader reader(input);
  std::vector<std::pair<std::int32_t, std::int32_t>> records;
  reader.read_line();
  int fields = reader.split_fields(0);
  bool more = true;
  if (fields >= 1 && str_ref(reader.field(0)).equals("NUM")) {
    more = reader.read_line_numeric() != -1;
    fields = reader.split_fields(0);
  }
  for (;;) {
    std::int32_t region = 0;
    std::int32_t surface = 0;
    if (fields >= 2 && str_ref(reader.field(0)).to_id(region) &&
        str_ref(reader.field(1)).to_id(surface) && surface != 0) {
      records.emplace_back(region, surface);
    }
    if (!more) return records;
    more = reader.read_line_numeric() != -1;
    fields = reader.split_fields(0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t chunk = data[0];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  // The default chunk would cost more than the run.
  string_input input(text, chunk == 0 ? text.size() : chunk);
  listing_reader reader(input);
  pair_array table;
  const std::int32_t count = read_region_records(reader, table);
  fuzz_check(count >= 0 && count <= table.size(), "the records stored fit the table");
  const auto plain = plain_records(text);
  fuzz_check(static_cast<std::size_t>(count) == plain.size(), "as many records as the fields give");
  for (std::int32_t k = 0; k < count; ++k) {
    fuzz_check(table.at(k).region_id == plain[k].first && table.at(k).surface_id == plain[k].second,
               "each record holds the ids its fields give");
  }

  // The first record of each surface, in load order, gives its region.
  std::map<std::int32_t, std::int32_t> first_region;
  for (std::int32_t k = 0; k < count; ++k) {
    const pair_record& record = table.at(k);
    fuzz_check(record.surface_id != 0, "no record of surface 0 is stored");
    first_region.emplace(record.surface_id, record.region_id);
  }
  region_index index;
  fuzz_check(index.build(table, count), "the index of a small table is built");
  for (const auto& [surface, region] : first_region) {
    std::int32_t found = 0;
    fuzz_check(index.find(surface, found) && found == region,
               "the index answers with the first record of a surface");
  }
  std::int32_t found = 0;
  fuzz_check(!index.find(0, found), "surface 0 has no answer");
  // Surfaces beside those named have no answer.
  for (const auto& [surface, region] : first_region) {
    for (const std::int64_t beside : {std::int64_t{surface} - 1, std::int64_t{surface} + 1}) {
      if (beside < INT32_MIN || beside > INT32_MAX) continue;
      const auto near = static_cast<std::int32_t>(beside);
      fuzz_check(index.find(near, found) == (first_region.count(near) != 0 && near != 0),
                 "only the surfaces named have an answer");
    }
  }
  return 0;
}
