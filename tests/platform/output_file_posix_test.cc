#include "platform/output_file.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

// A write that fails behind, on a full disk, still fails the stream: close()
// reports it, also when later buffers were dropped unwritten.
TEST(output_file_posix, a_large_file_on_a_full_disk_fails) {
  output_file out;
  ASSERT_TRUE(out.open_at_end("/dev/full"));
  const std::string line(999, 'x');
  for (int i = 0; i < 2000; ++i) out.write(line.c_str()).put('\n');
  EXPECT_FALSE(out.flush());
  EXPECT_FALSE(out.close());
}

}  // namespace
}  // namespace vantrel
