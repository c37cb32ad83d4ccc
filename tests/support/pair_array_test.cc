#include "support/pair_array.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

void* no_storage(std::size_t) { return nullptr; }

// Makes every allocation of pair_array fail while it lives.
class failing_allocation {
 public:
  failing_allocation() : previous_(pair_array::set_allocator(no_storage)) {}
  ~failing_allocation() { pair_array::set_allocator(previous_); }

 private:
  pair_array::allocate_fn previous_;
};

TEST(pair_array_test, construction) {
  pair_array a(16);
  EXPECT_EQ(a.size(), 0);
  EXPECT_EQ(a.capacity(), 16);
  EXPECT_EQ(a.growth_step(), 16);
  pair_array b(5);
  EXPECT_EQ(b.capacity(), 5);
  EXPECT_EQ(b.growth_step(), 5);
  for (std::int32_t n : {0, -3}) {
    pair_array c(n);
    EXPECT_EQ(c.size(), 0) << n;
    EXPECT_EQ(c.capacity(), 0) << n;
    EXPECT_EQ(c.growth_step(), 16) << n;
  }
}

TEST(pair_array_test, resize_grows_to_exactly_n_and_keeps_records_in_use) {
  pair_array a(16);
  ASSERT_TRUE(a.resize(10000));
  EXPECT_EQ(a.size(), 10000);
  EXPECT_EQ(a.capacity(), 10000);
  for (std::int32_t i = 0; i < 10000; ++i) a.at(i) = {i + 1, -i};
  const pair_record* block = &a.at(0);

  ASSERT_TRUE(a.resize(5));
  EXPECT_EQ(a.size(), 5);
  EXPECT_EQ(a.capacity(), 10000);
  EXPECT_EQ(&a.at(0), block);

  // Growth compares with the size, so it reallocates although the block is large enough.
  ASSERT_TRUE(a.resize(8));
  EXPECT_EQ(a.size(), 8);
  EXPECT_EQ(a.capacity(), 8);
  for (std::int32_t i = 0; i < 5; ++i) {
    EXPECT_EQ(a.at(i).region_id, i + 1);
    EXPECT_EQ(a.at(i).surface_id, -i);
  }
}

TEST(pair_array_test, shrinking_keeps_the_block) {
  pair_array a(16);
  ASSERT_TRUE(a.resize(0));
  EXPECT_EQ(a.size(), 0);
  EXPECT_EQ(a.capacity(), 16);
  ASSERT_TRUE(a.resize(3));
  ASSERT_TRUE(a.resize(-1));
  EXPECT_EQ(a.size(), 0);
  EXPECT_EQ(a.capacity(), 3);
  pair_array empty(0);
  ASSERT_TRUE(empty.resize(2));
  empty.at(1) = {7, 8};
  EXPECT_EQ(empty.at(1).surface_id, 8);
}

TEST(pair_array_test, failed_allocation_changes_nothing) {
  pair_array a(4);
  ASSERT_TRUE(a.resize(2));
  a.at(0) = {1, 2};
  const pair_record* block = &a.at(0);
  {
    failing_allocation fail;
    EXPECT_FALSE(a.resize(INT32_MAX));
    pair_array b(16);
    EXPECT_EQ(b.capacity(), 0);
    EXPECT_TRUE(a.resize(1));
  }
  EXPECT_EQ(a.size(), 1);
  EXPECT_EQ(a.capacity(), 2);
  EXPECT_EQ(&a.at(0), block);
  EXPECT_EQ(a.at(0).surface_id, 2);
}

}  // namespace
}  // namespace vantrel
