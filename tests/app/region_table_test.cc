#include "app/region_table.h"

#include <gtest/gtest.h>

#include <string>

#include "app/run_context.h"
#include "test_support/failing_allocation.h"
#include "test_support/files.h"

namespace vantrel {
namespace {

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
      const auto memory = vantrel_test::failing_allocation::over(fits ? 1 << 20 : 100000);
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
