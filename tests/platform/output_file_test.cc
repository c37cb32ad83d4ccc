#include "platform/output_file.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support/files.h"

namespace vantrel {
namespace {

using vantrel_test::read_file;

TEST(output_file, open_empties_and_open_at_end_appends) {
  vantrel_test::temp_dir dir;
  output_file out;
  out.file_name.assign((dir / "a.geo").c_str());
  ASSERT_TRUE(out.open_at_end());  // created when absent
  out.write("SELPIC,ND,1;\n");
  EXPECT_TRUE(out.close());
  ASSERT_TRUE(out.open_at_end());
  out.write("end\r\n");
  EXPECT_TRUE(out.close());
  EXPECT_EQ("SELPIC,ND,1;\r\nend\r\r\n", read_file(dir / "a.geo"));

  ASSERT_TRUE(out.open());
  out.put('x').end_line();
  EXPECT_TRUE(out.close());
  EXPECT_EQ("x\r\n", read_file(dir / "a.geo"));
}

TEST(output_file, reused_for_the_next_file) {
  vantrel_test::temp_dir dir;
  output_file out;
  for (const char* name : {"one.geo", "two.geo"}) {
    out.file_name.assign((dir / name).c_str());
    ASSERT_TRUE(out.open());
    EXPECT_TRUE(out.is_open());
    out.write(name).write_int(-7);
    EXPECT_TRUE(out.close());
    EXPECT_FALSE(out.is_open());
    EXPECT_FALSE(out.failed());
  }
  EXPECT_EQ("one.geo-7", read_file(dir / "one.geo"));
  EXPECT_EQ("two.geo-7", read_file(dir / "two.geo"));

  // Closing when nothing is open fails and marks the stream; the next open
  // starts clean.
  EXPECT_FALSE(out.close());
  EXPECT_TRUE(out.failed());
  ASSERT_TRUE(out.open_at_end());
  EXPECT_FALSE(out.failed());
  out.write("+");
  EXPECT_TRUE(out.close());
  EXPECT_EQ("two.geo-7+", read_file(dir / "two.geo"));
}

TEST(output_file, failed_open_leaves_the_stream_failed) {
  vantrel_test::temp_dir dir;
  output_file out;
  out.file_name.assign((dir / "missing/a.geo").c_str());
  EXPECT_FALSE(out.open_at_end());
  EXPECT_TRUE(out.failed());
  EXPECT_FALSE(out.is_open());
  out.write("lost\n");
  EXPECT_FALSE(out.flush());
  EXPECT_FALSE(out.close());

  out.file_name.assign("");
  EXPECT_FALSE(out.open());
  EXPECT_TRUE(out.failed());
}

TEST(output_file, destructor_flushes_and_closes) {
  vantrel_test::temp_dir dir;
  {
    output_file out;
    out.file_name.assign((dir / "kept.geo").c_str());
    ASSERT_TRUE(out.open());
    out.write("pending\n");
  }
  EXPECT_EQ("pending\r\n", read_file(dir / "kept.geo"));
}

// A full disk surfaces at the flush that first meets it, and at close.
TEST(output_file, write_error_surfaces_on_flush_and_close) {
  output_file out;
  out.file_name.assign("/dev/full");
  if (!out.open()) GTEST_SKIP() << "no /dev/full here";
  out.write("SELPIC,ND,1;\n");
  EXPECT_FALSE(out.flush());
  EXPECT_TRUE(out.failed());
  EXPECT_FALSE(out.close());

  ASSERT_TRUE(out.open_at_end());
  out.write("x");
  EXPECT_FALSE(out.close());
}

}  // namespace
}  // namespace vantrel
