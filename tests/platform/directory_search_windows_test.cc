#include "platform/directory_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "test_support/files.h"

namespace vantrel {
namespace {

// Names compare regardless of case, a match is given with the spelling
// stored in the directory, and either slash ends the directory part.
TEST(directory_search_windows, case_and_slashes) {
  vantrel_test::temp_dir temp;
  std::filesystem::create_directory(temp / "sub");
  for (const char* name : {"\\a.gem", "\\Mixed.Gem", "\\sub\\in.gem"}) {
    vantrel_test::write_file(temp.path() + name, "");
  }
  directory_search search;
  const struct {
    const char* pattern;
    std::vector<std::string> names;
  } cases[] = {{"\\A.GEM", {"a.gem"}},
               {"\\*.GEM", {"Mixed.Gem", "a.gem"}},
               {"\\SUB\\In.*", {"in.gem"}},
               {"\\sub/*.gem", {"in.gem"}},
               {"/sub\\*.gem", {"in.gem"}},
               {"\\sub\\..\\sub\\in.gem", {"in.gem"}},
               {"\\", {}}};  // empty name part
  for (const auto& c : cases) {
    std::vector<std::string> found;
    for (bool more = search.begin((temp.path() + c.pattern).c_str()); more; more = search.next()) {
      found.emplace_back(search.name());
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, c.names) << c.pattern;
  }
  EXPECT_EQ(4u, directory_part_length("a/b\\c*"));
  EXPECT_EQ(4u, directory_part_length("a\\b/c*"));
  EXPECT_EQ(3u, directory_part_length("C:\\*.gem"));
}

}  // namespace
}  // namespace vantrel
