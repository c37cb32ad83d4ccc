#include "output/inp_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace vantrel {
namespace {

std::string set_name_of(const std::string& stem, bool& mapped) {
  char out[max_set_name + 1];
  std::memset(out, '#', sizeof out);
  mapped = map_set_name(stem.c_str(), out);
  EXPECT_NE(std::memchr(out, '\0', sizeof out), nullptr) << stem;
  return out;
}

TEST(inp_text, set_names_from_stems) {
  const std::string a80(80, 'a');
  const struct {
    std::string stem;
    std::string name;  // the stem itself when it is a valid name
  } cases[] = {
      {"frame", "frame"},
      {"Top-Face.2(a)[b]/c\\d!#$%&;:<>?@^`{|}~_", "Top-Face.2(a)[b]/c\\d!#$%&;:<>?@^`{|}~_"},
      {a80, a80},
      {a80 + "b", a80},
      {"my frame", "my_frame"},
      {"a,b=c*d\"e'f\tg\rh\ni\x7fj", "a_b_c_d_e_f_g_h_i_j"},
      {"mod\xc3\xa8le", "mod__le"},
      {"1frame", "SET_1frame"},
      {"_x", "SET__x"},
      {"\xc3\xa9t\xc3\xa9", "SET___t__"},
      {"", "SET_"},
      {" ", "SET__"},
      {std::string(100, '9'), "SET_" + std::string(76, '9')},
  };
  for (const auto& c : cases) {
    bool mapped = false;
    EXPECT_EQ(set_name_of(c.stem, mapped), c.name) << testing::PrintToString(c.stem);
    EXPECT_EQ(mapped, c.name != c.stem) << testing::PrintToString(c.stem);
  }
}

TEST(inp_text, set_names_equal_up_to_ascii_case) {
  EXPECT_TRUE(same_set_name("Frame_1", "fRAME_1"));
  EXPECT_TRUE(same_set_name("", ""));
  EXPECT_FALSE(same_set_name("frame", "frame1"));
  EXPECT_FALSE(same_set_name("frame1", "frame"));
  EXPECT_FALSE(same_set_name("a_b", "a-b"));
  // '[' and '{' are not the letters after 'Z' and 'z'.
  EXPECT_FALSE(same_set_name("a[", "a{"));
}

TEST(inp_text, plain_ids) {
  for (const char* id : {"1", "007", "2147483647", "0000000001", "19"}) {
    EXPECT_TRUE(is_plain_id(id, std::strlen(id))) << id;
  }
  for (const char* id : {"", "0", "0000000000", "2147483648", "9999999999", "00000000001", "-1",
                         "+1", "1.5", "1.", "1e3", "12a", "\xd9\xa1"}) {
    EXPECT_FALSE(is_plain_id(id, std::strlen(id))) << id;
  }
  // Only the given bytes count.
  EXPECT_TRUE(is_plain_id("12x", 2));
}

TEST(inp_text, numbers_the_solvers_read) {
  for (const char* value :
       {"0", "-0", "1", "1.", ".5", "+.5", "-2.5E-04", "1.25000E-03", "1e5", "1E+300", "-1e-300",
        "0.0E+999", "12345678901234567890", "-1.234567890123E-05"}) {
    EXPECT_TRUE(is_inp_number(value, std::strlen(value))) << value;
  }
  for (const char* value :
       {"",      ".",         "-",      "+",      "E5",   ".E5", "1E",
        "1E+",   "1.5D0",     "1.5+3",  "1..5",   "1.5.", "--1", "0x10",
        "nan",   "inf",       "-inf",   "1,5",    "1 5",  "5%",  "123456789012345678901",
        "1E301", "9.99E+300", "1E-301", "1E-400", "1E400"}) {
    EXPECT_FALSE(is_inp_number(value, std::strlen(value))) << value;
  }
  EXPECT_TRUE(is_inp_number("1.5x", 3));
}

}  // namespace
}  // namespace vantrel
