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
  std::FILE* held = open_for_writing(a.c_str(), write_mode::appended);
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

// A device is no file to read.
TEST(file_system_windows, devices_are_not_read) { EXPECT_EQ(nullptr, open_for_reading("NUL")); }

}  // namespace
}  // namespace vantrel
