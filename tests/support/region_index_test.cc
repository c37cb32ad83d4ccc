#include "support/region_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/pair_array.h"

namespace vantrel {
namespace {

struct record {
  std::int32_t region;
  std::int32_t surface;
};

// Builds an index over `records` and checks every surface of `probes`
// against a scan of the records in load order.
void expect_answers_like_a_scan(const std::vector<record>& records,
                                const std::vector<std::int32_t>& probes) {
  pair_array table(16);
  const auto count = static_cast<std::int32_t>(records.size());
  ASSERT_TRUE(table.resize(count));
  for (std::int32_t k = 0; k < count; ++k) table.at(k) = {records[k].region, records[k].surface};
  region_index index;
  index.build(table, count);
  for (std::int32_t surface : probes) {
    std::int32_t expected = 0;
    bool scanned = false;
    for (const record& r : records) {
      if (surface != 0 && r.surface == surface) {
        expected = r.region;
        scanned = true;
        break;
      }
    }
    std::int32_t region = -99;
    EXPECT_EQ(index.find(surface, region), scanned) << surface;
    if (scanned) {
      EXPECT_EQ(region, expected) << surface;
    }
  }
}

TEST(region_index, answers_like_a_scan_for_a_model_numbering) {
  // Every surface of 1 to 1000 five times, and region 0 answers.
  std::vector<record> records;
  for (int k = 0; k < 5000; ++k) records.push_back({k % 7, (k % 1000) + 1});
  records[10] = {-4, 0};  // surface 0 is never answered
  std::vector<std::int32_t> probes;
  for (int surface = -2; surface <= 1002; ++surface) probes.push_back(surface);
  expect_answers_like_a_scan(records, probes);
}

TEST(region_index, answers_like_a_scan_for_scattered_ids) {
  std::vector<record> records = {{1, INT32_MIN}, {2, INT32_MAX}, {3, -1}, {4, 1}, {5, INT32_MAX}};
  for (int k = 1; k <= 3000; ++k) records.push_back({k, k * 700001});
  std::vector<std::int32_t> probes = {INT32_MIN, INT32_MIN + 1, INT32_MAX, INT32_MAX - 1, -1, 0, 1,
                                      2};
  for (int k = 1; k <= 3000; ++k) {
    probes.push_back(k * 700001);
    probes.push_back(k * 700001 + 1);
  }
  expect_answers_like_a_scan(records, probes);
}

TEST(region_index, answers_like_a_scan_for_ids_at_the_ends_of_the_range) {
  std::vector<record> records;
  for (int k = 0; k < 100; ++k) records.push_back({k, INT32_MIN + k * 3});
  for (int k = 0; k < 100; ++k) records.push_back({-k, INT32_MAX - k * 2});
  std::vector<std::int32_t> probes;
  for (int k = 0; k < 400; ++k) {
    probes.push_back(INT32_MIN + k);
    probes.push_back(INT32_MAX - k);
  }
  expect_answers_like_a_scan(records, probes);
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
  index.build(table, 0);
  EXPECT_FALSE(index.find(10, region));
}

TEST(region_index, a_rebuild_forgets_the_old_records) {
  pair_array table(2);
  ASSERT_TRUE(table.resize(2));
  table.at(0) = {1, 5};
  table.at(1) = {2, 2000000000};
  region_index index;
  index.build(table, 2);  // too scattered for the array
  table.at(1) = {3, 6};
  index.build(table, 2);
  std::int32_t region = 0;
  EXPECT_FALSE(index.find(2000000000, region));
  EXPECT_TRUE(index.find(6, region));
  EXPECT_EQ(region, 3);
}

}  // namespace
}  // namespace vantrel
