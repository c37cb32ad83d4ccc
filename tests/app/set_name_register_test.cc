#include "app/set_name_register.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support/injected_faults.h"

namespace vantrel {
namespace {

// A name clashes with the earliest name of the same destination that the
// solvers take as the same, and only there.
TEST(set_name_register, finds_names_equal_up_to_case_per_destination) {
  set_name_register names;
  EXPECT_EQ(names.find_or_add("Frame", "out.inp", "Frame.gem"), nullptr);
  EXPECT_EQ(names.find_or_add("frame", "other.inp", "frame.gem"), nullptr);
  EXPECT_EQ(names.find_or_add("frame_2", "out.inp", "frame_2.gem"), nullptr);
  const set_name_register::entry* earlier = names.find_or_add("FRAME", "out.inp", "x/FRAME.gem");
  ASSERT_NE(earlier, nullptr);
  EXPECT_STREQ(earlier->name, "Frame");
  EXPECT_STREQ(earlier->source, "Frame.gem");
  // The clashing name was not added: the first stays the one named.
  earlier = names.find_or_add("fRaMe", "out.inp", "y.gem");
  ASSERT_NE(earlier, nullptr);
  EXPECT_STREQ(earlier->source, "Frame.gem");
  earlier = names.find_or_add("FRAME", "other.inp", "z.gem");
  ASSERT_NE(earlier, nullptr);
  EXPECT_STREQ(earlier->source, "frame.gem");
  // Destinations are told apart by their exact names.
  EXPECT_EQ(names.find_or_add("frame", "OUT.inp", "w.gem"), nullptr);
}

// Many listings into one Dest: every name is kept through the growth of the
// table, and each comes back under its other spelling.
TEST(set_name_register, many_names) {
  set_name_register names;
  for (int i = 0; i < 5000; ++i) {
    const std::string name = "set" + std::to_string(i);
    ASSERT_EQ(names.find_or_add(name.c_str(), "all.inp", (name + ".gem").c_str()), nullptr) << i;
  }
  for (int i = 0; i < 5000; i += 7) {
    const std::string name = "SET" + std::to_string(i);
    const set_name_register::entry* earlier = names.find_or_add(name.c_str(), "all.inp", "x");
    ASSERT_NE(earlier, nullptr) << i;
    EXPECT_EQ(std::string(earlier->source), "set" + std::to_string(i) + ".gem");
  }
}

// Without memory a name is not recorded, and nothing else goes wrong.
TEST(set_name_register, out_of_memory_records_nothing) {
  set_name_register names;
  {
    const vantrel_test::injected_faults no_storage;
    EXPECT_EQ(names.find_or_add("a", "out.inp", "a.gem"), nullptr);
  }
  EXPECT_EQ(names.find_or_add("A", "out.inp", "A.gem"), nullptr);
  {
    // The table has its slots; the record fails.
    const vantrel_test::injected_faults no_storage;
    EXPECT_EQ(names.find_or_add("b", "out.inp", "b.gem"), nullptr);
  }
  EXPECT_EQ(names.find_or_add("B", "out.inp", "B.gem"), nullptr);
  ASSERT_NE(names.find_or_add("a", "out.inp", "x.gem"), nullptr);
}

}  // namespace
}  // namespace vantrel
