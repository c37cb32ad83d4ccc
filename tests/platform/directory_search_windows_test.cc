#include "platform/directory_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "test_support/files.h"

namespace vantrel {
namespace {

// The system decides the order of matches, so the cases compare sorted
// lists; which names match, and how they are spelt, is what they check.
class directory_search_windows : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = temp_.path() + "\\";
    std::filesystem::create_directory(dir_ + "sub");
    std::filesystem::create_directory(dir_ + "dir.gem");
    for (const char* name :
         {"a.gem", "Mixed.Gem", ".hidden.gem", "c.geo", "sub\\inner.gem", "sub\\other.txt"}) {
      vantrel_test::write_file(dir_ + name, "");
    }
  }

  // Every name the search yields for `pattern`, sorted.
  std::vector<std::string> matches(const std::string& pattern) {
    std::vector<std::string> names;
    if (search_.begin(pattern.c_str())) {
      do {
        names.emplace_back(search_.name());
      } while (search_.next());
    }
    EXPECT_EQ(nullptr, search_.name());
    search_.end();
    std::sort(names.begin(), names.end());
    return names;
  }

  vantrel_test::temp_dir temp_;
  std::string dir_;
  directory_search search_;
};

using names = std::vector<std::string>;

TEST_F(directory_search_windows, bare_names_never_dot_entries) {
  EXPECT_EQ((names{".hidden.gem", "Mixed.Gem", "a.gem", "dir.gem"}), matches(dir_ + "*.gem"));
  EXPECT_EQ((names{".hidden.gem", "Mixed.Gem", "a.gem", "c.geo", "dir.gem", "sub"}),
            matches(dir_ + "*"));
  EXPECT_EQ((names{".hidden.gem"}), matches(dir_ + ".*"));
  EXPECT_EQ((names{"inner.gem", "other.txt"}), matches(dir_ + "sub\\*"));
}

// Names compare regardless of case, and a match is given with the spelling
// stored in the directory, not the pattern's.
TEST_F(directory_search_windows, case_is_ignored_and_the_stored_name_returned) {
  EXPECT_EQ((names{"a.gem"}), matches(dir_ + "A.GEM"));
  EXPECT_EQ((names{"Mixed.Gem"}), matches(dir_ + "mixed.gem"));
  EXPECT_EQ((names{".hidden.gem", "Mixed.Gem", "a.gem", "dir.gem"}), matches(dir_ + "*.GEM"));
  EXPECT_EQ((names{"inner.gem"}), matches(dir_ + "SUB\\Inner.*"));
}

TEST_F(directory_search_windows, either_slash_ends_the_directory_part) {
  EXPECT_EQ((names{"inner.gem"}), matches(temp_.path() + "/sub/*.gem"));
  EXPECT_EQ((names{"inner.gem"}), matches(temp_.path() + "\\sub/*.gem"));
  EXPECT_EQ((names{"inner.gem"}), matches(temp_.path() + "/sub\\*.gem"));
  EXPECT_EQ((names{"inner.gem"}), matches(dir_ + "sub\\..\\sub\\inner.gem"));
}

TEST_F(directory_search_windows, nothing_to_search) {
  EXPECT_FALSE(search_.begin(""));
  EXPECT_FALSE(search_.begin(dir_.c_str()));  // empty name part after '\'
  EXPECT_FALSE(search_.begin((temp_.path() + "/").c_str()));
  EXPECT_FALSE(search_.begin((dir_ + "missing\\*").c_str()));
  EXPECT_FALSE(search_.begin((dir_ + "*.none").c_str()));
  EXPECT_FALSE(search_.next());
  EXPECT_EQ(nullptr, search_.name());
}

TEST_F(directory_search_windows, begin_restarts_and_end_is_harmless) {
  directory_search fresh;
  fresh.end();
  EXPECT_FALSE(fresh.next());
  ASSERT_TRUE(search_.begin((dir_ + "*").c_str()));
  ASSERT_TRUE(search_.next());
  ASSERT_TRUE(search_.begin((dir_ + "c.*").c_str()));
  EXPECT_STREQ("c.geo", search_.name());
  EXPECT_FALSE(search_.next());
  EXPECT_EQ(nullptr, search_.name());
  search_.end();
  search_.end();
  EXPECT_FALSE(search_.next());
}

TEST(directory_part_length, up_to_the_last_slash_or_backslash) {
  EXPECT_EQ(0u, directory_part_length(""));
  EXPECT_EQ(0u, directory_part_length("a.gem"));
  EXPECT_EQ(4u, directory_part_length("sub\\a.gem"));
  EXPECT_EQ(4u, directory_part_length("sub/a.gem"));
  EXPECT_EQ(4u, directory_part_length("a/b\\c*"));
  EXPECT_EQ(4u, directory_part_length("a\\b/c*"));
  EXPECT_EQ(3u, directory_part_length("C:\\*.gem"));
  EXPECT_EQ(6u, directory_part_length("a/b/c\\"));
}

}  // namespace
}  // namespace vantrel
