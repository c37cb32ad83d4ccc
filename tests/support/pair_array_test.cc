#include "support/pair_array.h"

#include <gtest/gtest.h>

#include "support/allocation.h"

namespace vantrel {
namespace {

void* no_storage(std::size_t) { return nullptr; }

// Growth takes a block of exactly the size asked for and keeps the records
// in use; shrinking keeps the block; a failed allocation changes nothing.
TEST(pair_array, resize) {
  pair_array a(16);
  ASSERT_TRUE(a.resize(10000));
  for (std::int32_t i = 0; i < 10000; ++i) a.at(i) = {i + 1, -i};
  const pair_record* block = &a.at(0);
  ASSERT_TRUE(a.resize(5));
  EXPECT_EQ(a.capacity(), 10000);
  EXPECT_EQ(&a.at(0), block);
  ASSERT_TRUE(a.resize(8));  // growth compares with the size, not the block
  EXPECT_EQ(a.capacity(), 8);
  block = &a.at(0);
  const allocate_fn previous = set_allocator(no_storage);
  EXPECT_FALSE(a.resize(INT32_MAX));
  EXPECT_EQ(pair_array(16).capacity(), 0);
  set_allocator(previous);
  EXPECT_EQ(a.size(), 8);
  EXPECT_EQ(&a.at(0), block);
  for (std::int32_t i = 0; i < 5; ++i) EXPECT_EQ(a.at(i).surface_id, -i);
  ASSERT_TRUE(a.resize(-1));
  EXPECT_EQ(a.size(), 0);
  EXPECT_EQ(a.capacity(), 8);
}

}  // namespace
}  // namespace vantrel
