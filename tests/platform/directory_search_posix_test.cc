#include "platform/directory_search.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "test_support/files.h"

namespace vantrel {
namespace {

class directory_search_posix : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = temp_.path() + "/";
    mkdir((dir_ + "sub").c_str(), 0700);
    mkdir((dir_ + "dir.gem").c_str(), 0700);
    for (const char* name : {"a.gem", "b.gem", "B.gem", ".hidden.gem", "[x].gem", "back\\slash.gem",
                             "a.gemx", "c.geo", "sub/inner.gem", "sub/other.txt"}) {
      vantrel_test::write_file(dir_ + name, "");
    }
  }

  // Every name the search yields for `pattern`, in the order yielded.
  std::vector<std::string> matches(const std::string& pattern) {
    std::vector<std::string> names;
    if (search_.begin(pattern.c_str())) {
      do {
        names.emplace_back(search_.name());
      } while (search_.next());
    }
    EXPECT_EQ(nullptr, search_.name());
    search_.end();
    return names;
  }

  vantrel_test::temp_dir temp_;
  std::string dir_;
  directory_search search_;
};

using names = std::vector<std::string>;

TEST_F(directory_search_posix, wildcards_sorted_by_byte_order) {
  // Dot files are matched by '*', a directory matches like a file, and
  // upper case, '.', '[' sort by their byte values.
  EXPECT_EQ(
      (names{".hidden.gem", "B.gem", "[x].gem", "a.gem", "b.gem", "back\\slash.gem", "dir.gem"}),
      matches(dir_ + "*.gem"));
  EXPECT_EQ((names{"B.gem", "a.gem", "b.gem"}), matches(dir_ + "?.gem"));
  EXPECT_EQ((names{"a.gemx"}), matches(dir_ + "*.gem?"));
  EXPECT_EQ((names{"c.geo"}), matches(dir_ + "c.geo"));
  EXPECT_EQ((names{".hidden.gem"}), matches(dir_ + ".*"));  // never "." or ".."
  EXPECT_EQ(10u, matches(dir_ + "*").size());
}

TEST_F(directory_search_posix, special_characters_match_themselves) {
  EXPECT_EQ((names{"[x].gem"}), matches(dir_ + "[x].gem"));
  EXPECT_EQ(names{}, matches(dir_ + "[a].gem"));
  EXPECT_EQ((names{"back\\slash.gem"}), matches(dir_ + "back\\slash.gem"));
  EXPECT_EQ(names{}, matches(dir_ + "A.GEM"));
}

TEST_F(directory_search_posix, directory_part_only_steers_the_search) {
  EXPECT_EQ((names{"inner.gem"}), matches(dir_ + "sub/*.gem"));
  EXPECT_EQ((names{"inner.gem", "other.txt"}), matches(dir_ + "sub/*"));
}

TEST_F(directory_search_posix, nothing_to_search) {
  EXPECT_FALSE(search_.begin(""));
  EXPECT_FALSE(search_.begin(dir_.c_str()));  // empty name part
  EXPECT_FALSE(search_.begin((dir_ + "missing/*").c_str()));
  EXPECT_FALSE(search_.begin((dir_ + "*.none").c_str()));
  EXPECT_FALSE(search_.next());
  EXPECT_EQ(nullptr, search_.name());
  search_.end();
}

TEST_F(directory_search_posix, begin_restarts_and_end_is_harmless) {
  directory_search fresh;
  fresh.end();
  EXPECT_FALSE(fresh.next());
  ASSERT_TRUE(search_.begin((dir_ + "*.gem").c_str()));
  ASSERT_TRUE(search_.next());
  ASSERT_TRUE(search_.begin((dir_ + "?.gem").c_str()));
  EXPECT_STREQ("B.gem", search_.name());
  search_.end();
  EXPECT_FALSE(search_.next());
  search_.end();
}

TEST(directory_part_length, up_to_the_last_slash) {
  EXPECT_EQ(0u, directory_part_length(""));
  EXPECT_EQ(0u, directory_part_length("a.gem"));
  EXPECT_EQ(0u, directory_part_length("sub\\a.gem"));  // not a separator here
  EXPECT_EQ(4u, directory_part_length("sub/a.gem"));
  EXPECT_EQ(1u, directory_part_length("/a"));
  EXPECT_EQ(6u, directory_part_length("a/b/c/"));
}

}  // namespace
}  // namespace vantrel
