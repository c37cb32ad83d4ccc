#include "support/region_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/pair_array.h"
#include "test_support/failing_allocation.h"

namespace vantrel {
namespace {

// Rebuilds `index` over the first `count` of `records` and checks every
// surface of `probes` against a scan of those records in load order.
void expect_answers_like_a_scan(region_index& index, const std::vector<pair_record>& records,
                                std::int32_t count, const std::vector<std::int32_t>& probes) {
  pair_array table(16);
  ASSERT_TRUE(table.resize(static_cast<std::int32_t>(records.size())));
  for (std::int32_t k = 0; k < table.size(); ++k) table.at(k) = records[k];
  ASSERT_TRUE(index.build(table, count));
  for (std::int32_t surface : probes) {
    bool scanned = false;
    std::int32_t expected = 0;
    for (std::int32_t k = 0; k < count && !scanned; ++k) {
      scanned = surface != 0 && records[k].surface_id == surface;
      expected = records[k].region_id;
    }
    std::int32_t region = -99;
    ASSERT_EQ(index.find(surface, region), scanned) << surface << " of " << count;
    if (scanned) {
      ASSERT_EQ(region, expected) << surface << " of " << count;
    }
  }
}

// One index rebuilt over a model's numbering (the surfaces 1 to 1024, a
// whole number of 64-id words, about five times over), parts of it, and
// scattered ids up to both ends of the range; every rebuild must forget the
// records before.
TEST(region_index, answers_like_a_scan) {
  std::vector<pair_record> model, scattered = {{1, INT32_MIN}, {2, INT32_MAX}, {3, -1}, {4, 1}};
  for (int k = 0; k < 5000; ++k) model.push_back({k % 7, (k % 1024) + 1});
  model[10] = {-4, 0};  // surface 0 never answers
  for (int k = 1; k <= 3000; ++k) scattered.push_back({k, k * 700001});
  for (int k = 1; k <= 3000; k += 7) scattered.push_back({-k, k * 700001});  // later: not taken
  for (int k = 0; k < 100; ++k) {
    scattered.push_back({k, INT32_MIN + k * 3});
    scattered.push_back({-k, INT32_MAX - k * 2});
  }
  std::vector<std::int32_t> probes;
  for (int k = -2; k <= 1026; ++k) probes.push_back(k);
  for (int k = 1; k <= 3000; ++k) probes.insert(probes.end(), {k * 700001, k * 700001 + 1});
  for (int k = 0; k < 400; ++k) probes.insert(probes.end(), {INT32_MIN + k, INT32_MAX - k});

  region_index index;
  std::int32_t region = 0;
  EXPECT_FALSE(index.find(1, region));
  const auto all = static_cast<std::int32_t>(scattered.size());
  for (std::int32_t count : {5000, 700, 0}) {
    expect_answers_like_a_scan(index, scattered, all, probes);
    expect_answers_like_a_scan(index, model, count, probes);
  }
}

// An index that cannot get its storage, dense or sorted, says so and
// answers nothing, and a later build starts afresh.
TEST(region_index, without_storage_answers_nothing) {
  pair_array table(3);
  ASSERT_TRUE(table.resize(3));
  region_index index;
  std::int32_t region = 0;
  for (std::int32_t spread : {1, 1 << 20}) {
    for (std::int32_t k = 0; k < 3; ++k) table.at(k) = {k + 1, (k + 1) * spread};
    {
      vantrel_test::failing_allocation no_storage;
      EXPECT_FALSE(index.build(table, 3)) << spread;
    }
    EXPECT_FALSE(index.find(spread, region)) << spread;
    ASSERT_TRUE(index.build(table, 3));
    EXPECT_TRUE(index.find(2 * spread, region));
    EXPECT_EQ(region, 2);
  }
}

}  // namespace
}  // namespace vantrel
