#include "support/pair_array.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "support/allocation.h"

namespace vantrel {
namespace {

void* no_storage(std::size_t) { return nullptr; }

// The byte counts of the requests since `requests` was cleared; they fail
// after the first `storage_successes`.
std::vector<std::size_t> requests;
std::size_t storage_successes = 0;
void* recorded_storage(std::size_t n) {
  requests.push_back(n);
  return requests.size() <= storage_successes ? std::malloc(n) : nullptr;
}

// A new array has size 0 and a block of exactly n records, capacity n; with
// n <= 0 it asks for no block at all, and without its block its capacity is
// 0.
TEST(pair_array, construction) {
  const allocate_fn previous = set_allocator(recorded_storage);
  for (std::size_t successes : {1, 0}) {
    for (std::int32_t n : {INT32_MIN, -1, 0, 1, 7, 1000}) {
      requests.clear();
      storage_successes = successes;
      const pair_array a(n);
      const bool has_block = n > 0 && successes > 0;
      EXPECT_EQ(a.size(), 0) << n;
      EXPECT_EQ(a.capacity(), has_block ? n : 0) << n;
      EXPECT_EQ(requests,
                n > 0 ? std::vector<std::size_t>{static_cast<std::size_t>(n) * sizeof(pair_record)}
                      : std::vector<std::size_t>{})
          << n;
    }
  }
  set_allocator(previous);
}

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
