#include "platform/directory_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "test_support/files.h"
#include "test_support/injected_faults.h"

namespace vantrel {
namespace {

// Names compare case-sensitively, '*' may match an empty run and must give
// back after a false start, '?' is one byte (not one UTF-8 character), and
// brackets and backslashes are ordinary characters.
TEST(wildcard_match, table) {
  const char* const matching[][2] = {{"a.gem", "a.gem"},     {"*", "any.thing at all"},
                                     {"*.gem", ".gem"},      {"*.gem", ".hidden.gem"},
                                     {"*.gem", "a.gem.gem"}, {"?.gem", "a.gem"},
                                     {"**a**", "a"},         {"a*", "a"},
                                     {"*ab", "aab"},         {"*aab", "aaab"},
                                     {"a*aa", "aaa"},        {"a*b*c", "a-b-c"},
                                     {"a*b?d", "abcbxd"},    {"[ab].gem", "[ab].gem"},
                                     {"a\\*", "a\\bc"},      {"??", "\xc3\xa9"}};
  const char* const not_matching[][2] = {
      {"a.gem", "A.gem"},  {"a.gem", "a.gem2"},   {"", "a"},      {"*.gem", "a.gem.bak"},
      {"?.gem", ".gem"},   {"?.gem", "ab.gem"},   {"a?c", "ac"},  {"a*aa", "aa"},
      {"a*b*c", "a-b-c-"}, {"[ab].gem", "a.gem"}, {"a\\*", "a*"}, {"?", "\xc3\xa9"}};
  for (const auto& c : matching) EXPECT_TRUE(wildcard_match(c[0], c[1])) << c[0] << " " << c[1];
  for (const auto& c : not_matching)
    EXPECT_FALSE(wildcard_match(c[0], c[1])) << c[0] << " " << c[1];
  // A matcher that backtracks into every earlier star would not finish.
  const std::string name(20000, 'a');
  EXPECT_FALSE(wildcard_match("*a*a*a*a*a*a*a*a*a*a*a*b", name.c_str()));
  EXPECT_TRUE(wildcard_match("*a*a*a*a*a*a*a*a*a*a*a*b", (name + "b").c_str()));
  EXPECT_FALSE(wildcard_match((name + "?").c_str(), name.c_str()));
}

// Dot files are matched by wildcards, a directory matches like a file, "."
// and ".." never match, the directory part only steers the search, and an
// empty name part matches nothing. The system may decide the order, so the
// names are compared sorted.
TEST(directory_search, bare_names_of_the_matches) {
  vantrel_test::temp_dir temp;
  std::filesystem::create_directory(temp / "sub");
  std::filesystem::create_directory(temp / "dir.gem");
  for (const char* name : {"a.gem", "b.gem", ".hidden.gem", "c.geo", "sub/in.gem", "sub/x.txt"}) {
    vantrel_test::write_file(temp / name, "");
  }
  const struct {
    const char* pattern;
    std::vector<std::string> names;
  } cases[] = {{"*.gem", {".hidden.gem", "a.gem", "b.gem", "dir.gem"}},
               {"*", {".hidden.gem", "a.gem", "b.gem", "c.geo", "dir.gem", "sub"}},
               {".*", {".hidden.gem"}},
               {"?.gem", {"a.gem", "b.gem"}},
               {"sub/*.gem", {"in.gem"}},
               {"sub/*", {"in.gem", "x.txt"}},
               {"*.none", {}},
               {"missing/*", {}},
               {"", {}}};
  directory_search search;
  EXPECT_FALSE(search.begin(""));
  for (const auto& c : cases) {
    std::vector<std::string> found;
    for (bool more = search.begin((temp / c.pattern).c_str()); more; more = search.next()) {
      found.emplace_back(search.name());
    }
    EXPECT_EQ(nullptr, search.name());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, c.names) << c.pattern;
  }

  // begin() ends the search before; rewind() goes back to the first match;
  // after end() there is no match.
  ASSERT_TRUE(search.begin((temp / "*").c_str()));
  ASSERT_TRUE(search.begin((temp / "?.gem").c_str()));
  const std::string first = search.name();
  ASSERT_TRUE(search.next());
  EXPECT_FALSE(search.next());
  ASSERT_TRUE(search.rewind());
  EXPECT_EQ(first, search.name());
  EXPECT_FALSE(search.failed());
  search.end();
  EXPECT_EQ(nullptr, search.name());
  EXPECT_FALSE(search.next());
  EXPECT_FALSE(search.rewind());
}

// The names of many matches outgrow any first guess of their room; each
// comes back whole.
TEST(directory_search, many_long_names) {
  vantrel_test::temp_dir temp;
  std::vector<std::string> names;
  for (int k = 100; k < 300; ++k) names.push_back(std::to_string(k) + std::string(57, 'n'));
  for (const std::string& name : names) vantrel_test::write_file(temp / name, "");
  std::vector<std::string> found;
  directory_search search;
  for (bool more = search.begin((temp / "*").c_str()); more; more = search.next()) {
    found.emplace_back(search.name());
  }
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, names);
}

// Running out of memory is a failed search, not one without matches; a
// folder that does not open is one without matches.
TEST(directory_search, failure_is_not_the_end_of_the_matches) {
  vantrel_test::temp_dir temp;
  vantrel_test::write_file(temp / "a.gem", "");
  directory_search search;
  EXPECT_FALSE(search.begin((temp / "missing/*").c_str()));
  EXPECT_FALSE(search.failed());
  {
    vantrel_test::injected_faults no_storage;
    EXPECT_FALSE(search.begin((temp / "*.gem").c_str()));
    EXPECT_TRUE(search.failed());
    EXPECT_EQ(nullptr, search.name());
    EXPECT_FALSE(search.next());
  }
  ASSERT_TRUE(search.begin((temp / "*.gem").c_str()));
  EXPECT_FALSE(search.failed());
  EXPECT_TRUE(search.name_usable());
}

}  // namespace
}  // namespace vantrel
