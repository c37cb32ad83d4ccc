#include "listing/input_file.h"

#include <gtest/gtest.h>

#include <string>

#include "listing/line_pattern.h"
#include "test_support/files.h"

namespace vantrel {
namespace {

using vantrel_test::temp_dir;
using vantrel_test::write_file;

std::string write(const temp_dir& dir, const char* name, const std::string& bytes) {
  write_file(dir / name, bytes);
  return dir / name;
}

TEST(input_file, reads_untranslated_and_reopens_after_close) {
  temp_dir dir;
  input_file in;
  in.file_name.assign(write(dir, "a.gem", "Node\r\n  1 0.0\r\n").c_str());
  ASSERT_TRUE(in.open());
  ASSERT_TRUE(in.reader().read_line());
  EXPECT_STREQ(in.reader().line(), "Node\r");
  EXPECT_EQ(in.reader().read_line_numeric(), 1);
  EXPECT_STREQ(in.reader().line(), "1 0.0\r");
  EXPECT_EQ(in.reader().read_line_numeric(), -1);
  EXPECT_TRUE(in.fail());

  in.close();
  EXPECT_TRUE(in.good());
  EXPECT_FALSE(in.is_open());
  in.file_name.assign(write(dir, "b.gem", "2 x").c_str());
  ASSERT_TRUE(in.open());
  EXPECT_FALSE(in.open());  // already open
  in.close();
  ASSERT_TRUE(in.open());
  ASSERT_TRUE(in.reader().read_line());
  EXPECT_STREQ(in.reader().line(), "2 x");
}

TEST(input_file, missing_file_and_directory_do_not_open) {
  temp_dir dir;
  input_file in;
  line_pattern any;
  ASSERT_TRUE(any.compile_pattern("\t*"));
  line_pattern* set[] = {&any, nullptr};
  for (const std::string& name : {dir / "absent.gem", dir.path()}) {
    in.file_name.assign(name.c_str());
    EXPECT_FALSE(in.open()) << name;
    EXPECT_TRUE(in.fail());
    EXPECT_FALSE(in.reader().read_line());
    EXPECT_EQ(in.reader().read_line_numeric(), -1);
    EXPECT_EQ(in.reader().classify_line(set, false), -1);
    in.close();
    EXPECT_TRUE(in.good());
  }
}

TEST(input_file, file_larger_than_a_chunk) {
  temp_dir dir;
  std::string text;
  int lines = 0;
  while (text.size() < 3 * input_stream::default_chunk_size) {
    text += "  " + std::to_string(++lines) + "  0.5E+00\r\n";
  }
  input_file in;
  in.file_name.assign(write(dir, "big.gem", text).c_str());
  ASSERT_TRUE(in.open());
  int read = 0;
  while (in.reader().read_line()) {
    ++read;
    ASSERT_EQ(in.reader().line(), std::to_string(read) + "  0.5E+00\r");
  }
  EXPECT_EQ(read, lines);
}

}  // namespace
}  // namespace vantrel
