#include "platform/background_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "test_support/failing_allocation.h"
#include "test_support/files.h"

namespace vantrel {
namespace {

// Blocks written behind and blocks too large for the copy, written at once,
// land in the order handed over, also without room for the copy; a failed
// write shows in the next write or finish(), which then forgets it.
TEST(background_writer, blocks_land_in_order_and_failures_show) {
  vantrel_test::temp_dir dir;
  const std::string a(64, 'a'), b(100, 'b');
  for (bool copy : {true, false}) {
    std::FILE* file = std::fopen((dir / "one").c_str(), "wb");
    ASSERT_NE(nullptr, file);
    {
      const vantrel_test::failing_allocation no_storage(copy ? 1 : 0);
      background_writer writer(64);
      for (int round = 0; round < 50; ++round) {
        EXPECT_TRUE(writer.write(file, a.data(), a.size()));
        EXPECT_TRUE(writer.write(file, b.data(), b.size()));
      }
      EXPECT_TRUE(writer.finish());
      std::fclose(file);
      std::string expected;
      for (int round = 0; round < 50; ++round) expected += a + b;
      EXPECT_EQ(expected, vantrel_test::read_file(dir / "one"));
      std::FILE* cannot_write = std::fopen((dir / "one").c_str(), "rb");
      ASSERT_NE(nullptr, cannot_write);
      std::setvbuf(cannot_write, nullptr, _IONBF, 0);
      EXPECT_EQ(!copy, !writer.write(cannot_write, a.data(), a.size()));
      EXPECT_EQ(copy, !writer.finish());
      EXPECT_TRUE(writer.finish());
      std::fclose(cannot_write);
    }
  }
}

}  // namespace
}  // namespace vantrel
