#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "test_support/files.h"

namespace vantrel {
namespace {

// Names compare regardless of case and of the slash, also while another
// program holds the file open for writing.
TEST(file_system_windows, same_file_ignores_case_and_slashes) {
  vantrel_test::temp_dir dir;
  const std::string a = dir.path() + "\\a.geo";
  std::filesystem::create_directory(dir / "sub");
  std::FILE* held = open_for_writing(a.c_str(), true);
  ASSERT_NE(nullptr, held);
  EXPECT_TRUE(same_file(a.c_str(), (dir / "A.Geo").c_str()));
  EXPECT_TRUE(same_file(a.c_str(), (dir.path() + "\\sub\\..\\a.geo").c_str()));
  EXPECT_TRUE(same_file(a.c_str(), (dir / ".\\A.GEO").c_str()));

  const auto saved = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  EXPECT_TRUE(same_file("a.geo", ".\\A.GEO"));
  EXPECT_TRUE(same_file("a.geo", a.c_str()));
  std::filesystem::current_path(saved);
  std::fclose(held);
}

// Before the file exists, names that differ in letter case or in trailing
// dots and blanks, or behind a folder and "..", are the same entry, as
// the system folds them.
TEST(file_system_windows, same_entry_as_the_system_names_it) {
  vantrel_test::temp_dir dir;
  const std::string name = dir.path() + "\\vantrel123xyz.ses";
  for (const char* other : {"\\VANTREL123XYZ.SES", "/Vantrel123xyz.ses.", "\\vantrel123xyz.ses. .",
                            "\\missing\\..\\vantrel123xyz.ses"}) {
    EXPECT_TRUE(same_entry(name.c_str(), (dir.path() + other).c_str())) << other;
  }
  EXPECT_FALSE(same_entry(name.c_str(), (dir.path() + "\\vantrel123xyz.se").c_str()));
  EXPECT_FALSE(vantrel_test::file_exists(name));
  EXPECT_EQ(nullptr, open_for_reading("NUL"));
}

}  // namespace
}  // namespace vantrel
