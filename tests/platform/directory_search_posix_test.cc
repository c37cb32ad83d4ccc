#include "platform/directory_search.h"

#include <gtest/gtest.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <string>
#include <vector>

#include "test_support/files.h"

namespace vantrel {
namespace {

// Matches come in byte order ('.', upper case and '[' before lower case),
// every character but '*' and '?' matches only itself, and a backslash is
// part of a name, not a separator. A search gives back what it took when
// it ends or the next begins.
TEST(directory_search_posix, byte_order_and_literal_characters) {
  vantrel_test::temp_dir temp;
  for (const char* name : {"b.gem", "a.gem", "B.gem", ".d.gem", "[x].gem", "back\\slash.gem"}) {
    vantrel_test::write_file(temp / name, "");
  }
  directory_search search;
  std::vector<std::string> found;
  for (bool more = search.begin((temp / "*.gem").c_str()); more; more = search.next()) {
    found.emplace_back(search.name());
  }
  EXPECT_EQ(found, (std::vector<std::string>{".d.gem", "B.gem", "[x].gem", "a.gem", "b.gem",
                                             "back\\slash.gem"}));
#if defined(__GLIBC__)
  const std::size_t in_use = mallinfo2().uordblks;
  for (int k = 0; k < 20; ++k) ASSERT_TRUE(search.begin((temp / "back\\slash.gem").c_str()));
  EXPECT_STREQ(search.name(), "back\\slash.gem");
  search.end();
  EXPECT_LT(mallinfo2().uordblks, in_use + 4096);
#endif
}

}  // namespace
}  // namespace vantrel
