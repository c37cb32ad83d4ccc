#include "platform/background_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "test_support/files.h"

namespace vantrel {
namespace {

std::string block_of(char c, std::size_t n) { return std::string(n, c); }

// Blocks written behind, blocks too large for the copy that are written at
// once, and blocks to a second file all land in the order handed over.
TEST(background_writer, blocks_land_in_order) {
  vantrel_test::temp_dir dir;
  const std::string a = block_of('a', 64), b = block_of('b', 100), c = block_of('c', 10);
  std::string expected;
  {
    char copy[64];
    background_writer writer(copy, sizeof copy);
    std::FILE* file = std::fopen((dir / "one").c_str(), "wb");
    ASSERT_NE(nullptr, file);
    for (int round = 0; round < 50; ++round) {
      EXPECT_TRUE(writer.write(file, a.data(), a.size()));
      EXPECT_TRUE(writer.write(file, b.data(), b.size()));  // larger than the copy
      EXPECT_TRUE(writer.write(file, c.data(), c.size()));
      expected += a + b + c;
    }
    EXPECT_TRUE(writer.finish());
    std::fclose(file);
    // The thread serves the next file as well.
    file = std::fopen((dir / "two").c_str(), "wb");
    ASSERT_NE(nullptr, file);
    EXPECT_TRUE(writer.write(file, c.data(), c.size()));
    EXPECT_TRUE(writer.finish());
    std::fclose(file);
  }
  EXPECT_EQ(expected, vantrel_test::read_file(dir / "one"));
  EXPECT_EQ(c, vantrel_test::read_file(dir / "two"));
}

// A failed write behind shows in the next write and in finish(), which
// then forgets it; a failed write at once shows at once.
TEST(background_writer, failures_are_reported_once_each) {
  vantrel_test::temp_dir dir;
  vantrel_test::write_file(dir / "read_only", "");
  std::FILE* cannot_write = std::fopen((dir / "read_only").c_str(), "rb");
  ASSERT_NE(nullptr, cannot_write);
  std::setvbuf(cannot_write, nullptr, _IONBF, 0);
  const std::string block = block_of('x', 32);
  char copy[32];
  background_writer writer(copy, sizeof copy);
  EXPECT_TRUE(writer.write(cannot_write, block.data(), block.size()));
  EXPECT_FALSE(writer.write(cannot_write, block.data(), block.size()));
  EXPECT_FALSE(writer.finish());
  EXPECT_TRUE(writer.finish());
  const std::string large = block_of('y', 33);
  EXPECT_FALSE(writer.write(cannot_write, large.data(), large.size()));
  EXPECT_TRUE(writer.finish());
  std::fclose(cannot_write);
}

// Without room for the copy every block is written at once, and no byte is
// lost.
TEST(background_writer, without_a_copy_writes_at_once) {
  vantrel_test::temp_dir dir;
  std::FILE* file = std::fopen((dir / "f").c_str(), "wb");
  ASSERT_NE(nullptr, file);
  const std::string block = block_of('z', 16);
  {
    background_writer writer(nullptr, 16);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(writer.write(file, block.data(), block.size()));
    EXPECT_TRUE(writer.finish());
  }
  std::fclose(file);
  EXPECT_EQ(block + block + block, vantrel_test::read_file(dir / "f"));
}

}  // namespace
}  // namespace vantrel
