#include "platform/file_system.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "test_support/files.h"

namespace vantrel {
namespace {

using vantrel_test::file_exists;
using vantrel_test::read_file;
using vantrel_test::write_file;

// Reads the whole file through `f` and closes it.
std::string read_and_close(std::FILE* f) {
  std::string content;
  char chunk[256];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) content.append(chunk, n);
  std::fclose(f);
  return content;
}

// The C runtime's text mode would drop the CRs and stop at a Ctrl-Z.
TEST(file_system, open_for_reading_is_untranslated_and_never_creates) {
  vantrel_test::temp_dir dir;
  const std::string bytes("Node\r\n1 0.0\r\n\x1a\r\n2 1.0\n", 23);
  write_file(dir / "a.gem", bytes);
  std::FILE* f = open_for_reading((dir / "a.gem").c_str());
  ASSERT_NE(nullptr, f);
  EXPECT_EQ(bytes, read_and_close(f));

  EXPECT_EQ(nullptr, open_for_reading((dir / "missing.gem").c_str()));
  EXPECT_FALSE(file_exists(dir / "missing.gem"));
}

TEST(file_system, open_for_reading_rejects_a_directory) {
  vantrel_test::temp_dir dir;
  std::filesystem::create_directory(dir / "sub.gem");
  EXPECT_EQ(nullptr, open_for_reading((dir / "sub.gem").c_str()));
  EXPECT_EQ(nullptr, open_for_reading(dir.path().c_str()));
}

// The output stream writes the CRs itself; the C runtime must add none.
TEST(file_system, open_for_writing_is_untranslated) {
  vantrel_test::temp_dir dir;
  const std::string name = dir / "a.geo";
  for (bool append : {false, true}) {
    std::FILE* f = open_for_writing(name.c_str(), append);
    ASSERT_NE(nullptr, f);
    std::fputs("x;\r\n\n", f);
    std::fclose(f);
  }
  EXPECT_EQ("x;\r\n\nx;\r\n\n", read_file(name));
}

TEST(file_system, same_file_by_identity_not_spelling) {
  vantrel_test::temp_dir dir;
  const std::string a = dir / "a.gem";
  write_file(a, "x");
  write_file(dir / "b.gem", "x");
  std::filesystem::create_directory(dir / "sub");
  ASSERT_NE(0, CreateHardLinkA((dir / "hard.gem").c_str(), a.c_str(), nullptr));

  EXPECT_TRUE(same_file(a.c_str(), a.c_str()));
  EXPECT_TRUE(same_file(a.c_str(), (dir.path() + "\\a.gem").c_str()));
  EXPECT_TRUE(same_file(a.c_str(), (dir / "A.GEM").c_str()));  // case is ignored
  EXPECT_TRUE(same_file(a.c_str(), (dir.path() + "\\sub\\..\\a.gem").c_str()));
  EXPECT_TRUE(same_file(a.c_str(), (dir / ".\\a.gem").c_str()));
  EXPECT_TRUE(same_file(a.c_str(), (dir / "hard.gem").c_str()));
  EXPECT_FALSE(same_file(a.c_str(), (dir / "b.gem").c_str()));  // equal content
  EXPECT_FALSE(same_file(a.c_str(), (dir / "sub").c_str()));
  EXPECT_FALSE(same_file(a.c_str(), (dir / "missing.gem").c_str()));
  EXPECT_FALSE(same_file((dir / "missing.gem").c_str(), (dir / "missing.gem").c_str()));
}

// A file that another program holds open for writing is still recognised.
TEST(file_system, same_file_while_another_handle_writes) {
  vantrel_test::temp_dir dir;
  const std::string a = dir / "a.geo";
  std::FILE* held = open_for_writing(a.c_str(), true);
  ASSERT_NE(nullptr, held);
  EXPECT_TRUE(same_file(a.c_str(), (dir / "A.Geo").c_str()));
  std::fclose(held);
}

// Both spellings relative to the working directory.
TEST(file_system, same_file_relative_to_the_working_directory) {
  vantrel_test::temp_dir dir;
  const std::string saved = std::filesystem::current_path().string();
  std::filesystem::current_path(dir.path());
  write_file("rel.gem", "x");
  EXPECT_TRUE(same_file("rel.gem", ".\\REL.GEM"));
  EXPECT_TRUE(same_file("rel.gem", (dir.path() + "\\rel.gem").c_str()));
  std::filesystem::current_path(saved);
}

}  // namespace
}  // namespace vantrel
