#include "support/dyn_string.h"

#include <gtest/gtest.h>

#include "test_support/injected_faults.h"

namespace vantrel {
namespace {

TEST(dyn_string, owns_a_copy_and_may_assign_its_own_text) {
  char text[] = "zset";
  dyn_string s(text);
  text[0] = 'x';
  EXPECT_STREQ(s.assign(s.c_str()).c_str(), "zset");
  EXPECT_STREQ(s.assign(s.c_str() + 1).c_str(), "set");
  EXPECT_STREQ(s.assign("").c_str(), "");  // owned and empty, not null
  EXPECT_EQ(s.assign(nullptr).c_str(), nullptr);
  EXPECT_EQ(dyn_string("").c_str(), nullptr);
}

TEST(dyn_string, without_storage_the_text_is_null) {
  vantrel_test::injected_faults no_storage;
  dyn_string s("geo");
  EXPECT_EQ(s.c_str(), nullptr);
  EXPECT_EQ(s.assign("zset").c_str(), nullptr);
}

}  // namespace
}  // namespace vantrel
