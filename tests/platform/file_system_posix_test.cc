#include "platform/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "test_support/files.h"

namespace vantrel {
namespace {

using vantrel_test::file_exists;
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

TEST(file_system, open_for_reading_is_untranslated_and_never_creates) {
  vantrel_test::temp_dir dir;
  write_file(dir / "a.gem", "Node\r\n1 0.0\r\n");
  std::FILE* f = open_for_reading((dir / "a.gem").c_str());
  ASSERT_NE(nullptr, f);
  EXPECT_EQ("Node\r\n1 0.0\r\n", read_and_close(f));

  EXPECT_EQ(nullptr, open_for_reading((dir / "missing.gem").c_str()));
  EXPECT_FALSE(file_exists(dir / "missing.gem"));
}

TEST(file_system, open_for_reading_rejects_a_directory) {
  vantrel_test::temp_dir dir;
  mkdir((dir / "sub.gem").c_str(), 0700);
  EXPECT_EQ(nullptr, open_for_reading((dir / "sub.gem").c_str()));
  EXPECT_EQ(nullptr, open_for_reading(dir.path().c_str()));
}

TEST(file_system, same_file_by_identity_not_spelling) {
  vantrel_test::temp_dir dir;
  const std::string a = dir / "a";
  write_file(a, "x");
  write_file(dir / "b", "x");
  ASSERT_EQ(0, link(a.c_str(), (dir / "hard").c_str()));
  mkdir((dir / "sub").c_str(), 0700);

  EXPECT_TRUE(same_file(a.c_str(), a.c_str()));
  EXPECT_TRUE(same_file(a.c_str(), (dir / "hard").c_str()));
  EXPECT_TRUE(same_file(a.c_str(), (dir / "./a").c_str()));
  EXPECT_TRUE(same_file(a.c_str(), (dir / "sub/../a").c_str()));
  EXPECT_FALSE(same_file(a.c_str(), (dir / "b").c_str()));  // equal content
  EXPECT_FALSE(same_file(a.c_str(), (dir / "missing").c_str()));
  EXPECT_FALSE(same_file((dir / "missing").c_str(), (dir / "missing").c_str()));

  // Both spellings relative to the working directory.
  char relative[] = "vantrel_same_XXXXXX";
  const int fd = mkstemp(relative);
  ASSERT_NE(-1, fd);
  close(fd);
  EXPECT_TRUE(same_file(relative, (std::string("./") + relative).c_str()));
  std::remove(relative);
}

}  // namespace
}  // namespace vantrel
