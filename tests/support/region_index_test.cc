#include "support/region_index.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/pair_array.h"
#include "test_support/injected_faults.h"

namespace vantrel {
namespace {

// An index that cannot get its storage, dense or sorted, says so and
// answers nothing, and a later build starts afresh: it forgets the records
// of every build before. (The lookup corpus checks the answers.)
TEST(region_index, without_storage_answers_nothing) {
  pair_array table;
  ASSERT_TRUE(table.resize(3));
  region_index index;
  std::int32_t region = 0;
  for (std::int32_t spread : {1, 1 << 20}) {
    for (std::int32_t k = 0; k < 3; ++k) table.at(k) = {k + 1, (k + 1) * spread};
    {
      vantrel_test::injected_faults no_storage;
      EXPECT_FALSE(index.build(table, 3)) << spread;
    }
    EXPECT_FALSE(index.find(spread, region)) << spread;
    ASSERT_TRUE(index.build(table, 3));
    EXPECT_TRUE(index.find(2 * spread, region));
    EXPECT_EQ(region, 2);
  }
  EXPECT_FALSE(index.find(2, region));
  ASSERT_TRUE(index.build(table, 0));
  EXPECT_FALSE(index.find(1 << 20, region));
}

}  // namespace
}  // namespace vantrel
