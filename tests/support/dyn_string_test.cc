#include "support/dyn_string.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(dyn_string_test, empty_and_null_states) {
  EXPECT_EQ(dyn_string().c_str(), nullptr);
  EXPECT_EQ(dyn_string(nullptr).c_str(), nullptr);
  dyn_string s("");
  EXPECT_EQ(s.c_str(), nullptr);
  s.assign("");
  ASSERT_NE(s.c_str(), nullptr);
  EXPECT_STREQ(s.c_str(), "");
  EXPECT_EQ(s.assign(nullptr).c_str(), nullptr);
}

TEST(dyn_string_test, owns_a_copy) {
  char text[] = "geo";
  dyn_string s(text);
  text[0] = 'x';
  EXPECT_STREQ(s.c_str(), "geo");
  EXPECT_NE(s.c_str(), text);
  EXPECT_TRUE(s.assign("zset").equals("zset"));
  str_ref ref = s;
  EXPECT_EQ(ref.c_str(), s.c_str());
}

TEST(dyn_string_test, assign_own_text_keeps_it) {
  dyn_string s("zset");
  s.assign(s.c_str());
  EXPECT_STREQ(s.c_str(), "zset");
  s.assign(s.c_str() + 1);
  EXPECT_STREQ(s.c_str(), "set");
}

}  // namespace
}  // namespace vantrel
