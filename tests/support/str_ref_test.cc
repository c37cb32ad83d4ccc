#include "support/str_ref.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// Read like strtol, clamped to 32 bits; nine digits are read without strtol.
TEST(str_ref, to_int) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {{"  42abc", 42},
               {"-7", -7},
               {"+3", 3},
               {"abc", 0},
               {"", 0},
               {"\t\n 5", 5},
               {"- 5", 0},
               {"+-5", 0},
               {"12 34", 12},
               {"007", 7},
               {"-0", 0},
               {"999999999", 999999999},
               {"-999999999x", -999999999},
               {"1234567890", 1234567890},
               {"-000000000012", -12},
               {"2147483648", INT32_MAX},
               {"99999999999", INT32_MAX},
               {"-2147483648", INT32_MIN},
               {"-99999999999", INT32_MIN}};
  for (const auto& c : cases) EXPECT_EQ(str_ref(c.text).to_int(), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace vantrel
