#include "support/str_ref.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(str_ref_test, equals_is_exact_and_null_safe) {
  EXPECT_TRUE(str_ref().equals(nullptr));
  EXPECT_FALSE(str_ref().equals("SF"));
  EXPECT_FALSE(str_ref("SF").equals(nullptr));
  EXPECT_FALSE(str_ref("SF").equals("sf"));
  EXPECT_FALSE(str_ref("SF").equals("S"));
  EXPECT_FALSE(str_ref("").equals(nullptr));
  EXPECT_TRUE(str_ref("").equals(""));
  EXPECT_TRUE(str_ref("SF").equals("SF"));
}

TEST(str_ref_test, to_int_reads_like_strtol_clamped) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"  42abc", 42},
      {"-7", -7},
      {"+3", 3},
      {"abc", 0},
      {"", 0},
      {"\t\n 5", 5},
      {"- 5", 0},
      {"12 34", 12},
      {"99999999999", INT32_MAX},
      {"-99999999999", INT32_MIN},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"2147483648", INT32_MAX},
      // Around the nine digits read without strtol.
      {"007", 7},
      {"-0", 0},
      {"+-5", 0},
      {"999999999", 999999999},
      {"-999999999x", -999999999},
      {"1234567890", 1234567890},
      {"-000000000012", -12},
  };
  for (const auto& c : cases) EXPECT_EQ(str_ref(c.text).to_int(), c.value) << '"' << c.text << '"';
}

TEST(str_ref_test, find_last_gives_right_most_position) {
  const char* text = "a.b.c";
  EXPECT_EQ(str_ref(text).find_last('.'), text + 3);
  EXPECT_EQ(str_ref("abc").find_last('.'), nullptr);
  EXPECT_EQ(str_ref("").find_last('.'), nullptr);
  EXPECT_EQ(str_ref("abc").find_last('\0'), nullptr);
  const char* leading = ".abc";
  EXPECT_EQ(str_ref(leading).find_last('.'), leading);
}

TEST(str_ref_test, copies_share_the_text) {
  char text[] = "ND";
  str_ref a(text);
  str_ref b = a;
  str_ref c;
  c.set(a);
  text[0] = 'E';
  text[1] = 'L';
  EXPECT_TRUE(b.equals("EL"));
  EXPECT_EQ(c.c_str(), text);
  EXPECT_EQ(c.set(nullptr).c_str(), nullptr);
}

}  // namespace
}  // namespace vantrel
