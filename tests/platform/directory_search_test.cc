#include "platform/directory_search.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

TEST(wildcard_match, table) {
  const struct {
    const char* pattern;
    const char* name;
    bool matches;
  } cases[] = {
      {"a.gem", "a.gem", true},
      {"a.gem", "A.gem", false},  // names compare case-sensitively
      {"a.gem", "a.gem2", false},
      {"", "a", false},
      {"*", "anything.at all", true},
      {"*.gem", ".gem", true},  // '*' also matches the empty run
      {"*.gem", ".hidden.gem", true},
      {"*.gem", "a.gem.bak", false},
      {"*.gem", "a.gem.gem", true},
      {"?.gem", "a.gem", true},
      {"?.gem", ".gem", false},  // '?' needs exactly one byte
      {"?.gem", "ab.gem", false},
      {"a?c", "ac", false},
      {"**a**", "a", true},
      {"a*", "a", true},
      {"*ab", "aab", true},  // the star must give back after a false start
      {"*aab", "aaab", true},
      {"a*aa", "aaa", true},
      {"a*aa", "aa", false},
      {"a*b*c", "a-b-c", true},
      {"a*b*c", "a-b-c-", false},
      {"a*b?d", "abcbxd", true},
      {"[ab].gem", "a.gem", false},  // brackets are ordinary characters
      {"[ab].gem", "[ab].gem", true},
      {"a\\*", "a\\bc", true},  // so is the backslash: it escapes nothing
      {"a\\*", "a*", false},
      {"?", "\xc3\xa9", false},  // '?' is one byte, not one UTF-8 character
      {"??", "\xc3\xa9", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.matches, wildcard_match(c.pattern, c.name))
        << "pattern \"" << c.pattern << "\" name \"" << c.name << "\"";
  }
}

// Many stars against a long name that almost matches: a matcher that
// backtracks into every earlier star would not finish.
TEST(wildcard_match, many_stars_on_a_long_name) {
  const std::string pattern = "*a*a*a*a*a*a*a*a*a*a*a*b";
  const std::string name(20000, 'a');
  EXPECT_FALSE(wildcard_match(pattern.c_str(), name.c_str()));
  EXPECT_TRUE(wildcard_match(pattern.c_str(), (name + "b").c_str()));
  EXPECT_FALSE(wildcard_match((name + "?").c_str(), name.c_str()));
}

}  // namespace
}  // namespace vantrel
