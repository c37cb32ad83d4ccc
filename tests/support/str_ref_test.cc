#include "support/str_ref.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// A sign, then digits up to the first other character; white space is no
// part of a number. to_int clamps to 32 bits, to_id refuses what lies
// outside them.
TEST(str_ref, to_int_and_to_id) {
  const struct {
    const char* text;
    std::int32_t value;
    bool is_id;
  } cases[] = {{"42abc", 42, true},
               {"-7", -7, true},
               {"+3", 3, true},
               {"abc", 0, true},
               {"", 0, true},
               {"  42", 0, true},
               {"\f101", 0, true},
               {"\v5", 0, true},
               {"- 5", 0, true},
               {"+-5", 0, true},
               {"12 34", 12, true},
               {"007", 7, true},
               {"-0", 0, true},
               {"1234567890", 1234567890, true},
               {"-000000000012", -12, true},
               {"2147483647", INT32_MAX, true},
               {"2147483648", INT32_MAX, false},
               {"4294967397", INT32_MAX, false},
               {"99999999999999999999999", INT32_MAX, false},
               {"-2147483648", INT32_MIN, true},
               {"-2147483649", INT32_MIN, false},
               {"-99999999999", INT32_MIN, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(str_ref(c.text).to_int(), c.value) << '"' << c.text << '"';
    std::int32_t id = 17;
    EXPECT_EQ(str_ref(c.text).to_id(id), c.is_id) << '"' << c.text << '"';
    EXPECT_EQ(id, c.is_id ? c.value : 17) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace vantrel
