// Feeds one lookup file to the region table loader, then checks the index
// built from the loaded records against a plain first-match lookup.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "app/region_table.h"
#include "fuzz_check.h"
#include "listing/input_stream.h"
#include "listing/listing_reader.h"
#include "support/pair_array.h"
#include "support/region_index.h"
#include "test_support/string_streams.h"

using namespace vantrel;
using namespace vantrel_test;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // One chunk of the whole file: the default chunk would cost more than the run.
  string_input input(std::string(reinterpret_cast<const char*>(data), size), size);
  listing_reader reader(input);
  pair_array table(16);
  const std::int32_t count = read_region_records(reader, table);
  fuzz_check(count >= 0 && count <= table.size(), "the records stored fit the table");

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
