#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "test_support/files.h"

namespace vantrel {
namespace {

// Both directions are untranslated: a text mode would drop or add CRs, and
// on Windows stop reading at the Ctrl-Z. Reading never creates a file.
TEST(file_system, open_is_untranslated_and_reading_never_creates) {
  vantrel_test::temp_dir dir;
  const std::string name = dir / "a.gem";
  const std::string bytes("Node\r\n1 0.0\r\n\x1a\r\n2\n", 19);
  for (write_mode mode : {write_mode::kept, write_mode::appended}) {
    std::FILE* f = open_for_writing(name.c_str(), mode);
    ASSERT_NE(nullptr, f);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  std::FILE* f = open_for_reading(name.c_str());
  ASSERT_NE(nullptr, f);
  std::string content(64, '\0');
  content.resize(std::fread(&content[0], 1, content.size(), f));
  std::fclose(f);
  EXPECT_EQ(bytes + bytes, content);

  EXPECT_EQ(nullptr, open_for_reading((dir / "missing.gem").c_str()));
  EXPECT_FALSE(vantrel_test::file_exists(dir / "missing.gem"));
  std::filesystem::create_directory(dir / "sub.gem");
  EXPECT_EQ(nullptr, open_for_reading((dir / "sub.gem").c_str()));
  EXPECT_EQ(nullptr, open_for_reading(dir.path().c_str()));
}

TEST(file_system, same_file_by_identity_not_spelling) {
  vantrel_test::temp_dir dir;
  const std::string a = dir / "a.gem";
  vantrel_test::write_file(a, "x");
  vantrel_test::write_file(dir / "b.gem", "x");
  std::filesystem::create_directory(dir / "sub");
  std::filesystem::create_hard_link(a, dir / "hard.gem");
  for (const char* same : {"a.gem", "hard.gem", "./a.gem", "sub/../a.gem"}) {
    EXPECT_TRUE(same_file(a.c_str(), (dir / same).c_str())) << same;
  }
  for (const char* other : {"b.gem", "sub", "missing.gem"}) {  // b.gem: equal content
    EXPECT_FALSE(same_file(a.c_str(), (dir / other).c_str())) << other;
  }
  EXPECT_FALSE(same_file((dir / "missing.gem").c_str(), (dir / "missing.gem").c_str()));
}

}  // namespace
}  // namespace vantrel
