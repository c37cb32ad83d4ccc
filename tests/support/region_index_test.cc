#include "support/region_index.h"

#include <gtest/gtest.h>

#include "support/pair_array.h"

namespace vantrel {
namespace {

TEST(region_index, answers_like_a_scan_in_load_order) {
  pair_array table(16);
  const int count = 5000;
  ASSERT_TRUE(table.resize(count));
  for (int k = 0; k < count; ++k) table.at(k) = {k, (k % 1000) + 1};  // every surface five times
  table.at(10) = {-4, 0};  // surface 0 is never answered
  region_index index;
  index.build(table, count);
  for (int surface = -2; surface <= 1002; ++surface) {
    std::int32_t expected = 0;
    bool scanned = false;
    for (int k = 0; k < count && !scanned; ++k) {
      if (surface != 0 && table.at(k).surface_id == surface) {
        expected = table.at(k).region_id;
        scanned = true;
      }
    }
    std::int32_t region = -99;
    EXPECT_EQ(index.find(surface, region), scanned) << surface;
    if (scanned) {
      EXPECT_EQ(region, expected) << surface;
    }
  }
}

TEST(region_index, only_counted_records_are_indexed) {
  pair_array table(4);
  ASSERT_TRUE(table.resize(4));
  table.at(0) = {1, 10};
  table.at(1) = {2, 20};
  region_index index;
  index.build(table, 1);
  std::int32_t region = 0;
  EXPECT_TRUE(index.find(10, region));
  EXPECT_FALSE(index.find(20, region));
  region_index empty;
  EXPECT_FALSE(empty.find(10, region));
}

}  // namespace
}  // namespace vantrel
