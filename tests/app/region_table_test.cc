#include "app/region_table.h"

#include <gtest/gtest.h>

#include <string>

#include "app/run_context.h"
#include "listing/listing_reader.h"
#include "support/pair_array.h"
#include "test_support/files.h"
#include "test_support/injected_faults.h"
#include "test_support/string_streams.h"

namespace vantrel {
namespace {

// A table whose first block of records cannot be had, or that outgrows its
// announced count and then finds no room to grow, fails as a whole instead
// of passing for the records it held.
TEST(region_table, records_without_storage) {
  std::string grows = "NUM 2\n";
  for (int k = 1; k <= 100; ++k) grows += std::to_string(k) + " " + std::to_string(k) + "\n";
  const struct {
    std::string text;
    std::size_t chunk, largest;  // the largest request that succeeds
  } cases[] = {{"NUM 3\n1 10\n", 64, 0},
               // Room for the first block of 2 records, not for the 16 after it.
               {grows, 16, 2 * sizeof(pair_record)},
               {grows, grows.size(), 2 * sizeof(pair_record)}};
  for (const auto& c : cases) {
    vantrel_test::string_input input(c.text, c.chunk);
    listing_reader reader(input);
    pair_array table;
    const auto memory = vantrel_test::injected_faults::over(c.largest);
    EXPECT_EQ(read_region_records(reader, table), -1) << c.text.size() << " " << c.chunk;
  }
}

// A table that loads but whose index does not fit in memory is refused
// with the same message as a table that does not fit.
TEST(region_table, an_index_that_does_not_fit) {
  vantrel_test::temp_dir dir;
  const std::string name = dir / "regions.txt";
  vantrel_test::write_file(name, "NUM 3\n1 10\n2 60000\n3 20\n");
  for (bool fits : {true, false}) {
    run_context context;
    context.args.lookup_name = name.c_str();
    testing::internal::CaptureStdout();
    bool loaded = false;
    {
      // The dense index of ids 10 to 60000 takes 240 KB, the table 24 bytes.
      const auto memory = vantrel_test::injected_faults::over(fits ? 1 << 20 : 100000);
      loaded = load_region_table(context);
    }
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(loaded, fits);
    EXPECT_EQ(printed, fits ? "" : "\n" + name + " holds more records than memory allows.");
    std::int32_t region = 0;
    EXPECT_EQ(context.regions.find(60000, region), fits);
  }
}

}  // namespace
}  // namespace vantrel
