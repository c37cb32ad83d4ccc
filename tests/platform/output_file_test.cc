#include "platform/output_file.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support/failing_allocation.h"
#include "test_support/files.h"

namespace vantrel {
namespace {

// One object serves file after file: open_at_end() creates or appends,
// open_kept() and empty() empty, a failed open or a close with nothing open
// leaves the stream failed until the next open, and the destructor flushes.
TEST(output_file, file_after_file) {
  vantrel_test::temp_dir dir;
  {
    output_file out;
    for (const std::string& name :
         {dir / "a.geo", dir / "a.geo", dir / "no/a.geo", dir / "b.geo"}) {
      const bool opens = name != dir / "no/a.geo";
      out.file_name.assign(name.c_str());
      EXPECT_EQ(out.open_at_end(), opens);
      EXPECT_EQ(out.failed(), !opens);
      out.write("x;\n").write("-7");
      EXPECT_EQ(out.flush(), opens);
      EXPECT_EQ(out.close(), opens);
      EXPECT_FALSE(out.close());
      EXPECT_TRUE(out.failed());
    }
    ASSERT_TRUE(out.open_kept() && out.empty());
    EXPECT_FALSE(out.created());
    out.write("pending\n");
  }
  EXPECT_EQ("x;\r\n-7x;\r\n-7", vantrel_test::read_file(dir / "a.geo"));
  EXPECT_EQ("pending\r\n", vantrel_test::read_file(dir / "b.geo"));
}

// A file of many buffers, written behind while the next buffer fills,
// holds every byte in order, file after file.
TEST(output_file, large_files_are_written_whole) {
  vantrel_test::temp_dir dir;
  std::string text;
  for (int i = 0; text.size() < 3 * output_stream::max_reserve; ++i) {
    text += "SELPIC,ND," + std::to_string(i) + ";\n";
  }
  std::string stored;
  for (char c : text) stored += c == '\n' ? std::string("\r\n") : std::string(1, c);
  output_file out;
  for (const std::string& name : {dir / "a.geo", dir / "b.geo"}) {
    out.file_name.assign(name.c_str());
    ASSERT_TRUE(out.open_at_end());
    out.write(text.c_str());
    EXPECT_TRUE(out.close());
    EXPECT_EQ(stored, vantrel_test::read_file(name));
  }
}

// Without its stream buffer no file is created or emptied.
TEST(output_file, without_its_buffer_touches_no_file) {
  vantrel_test::temp_dir dir;
  vantrel_test::write_file(dir / "a.geo", "keep");
  const auto no_storage = vantrel_test::failing_allocation::over(1024);  // not the name
  output_file out;
  for (const std::string& name : {dir / "a.geo", dir / "b.geo"}) {
    out.file_name.assign(name.c_str());
    EXPECT_FALSE(out.open_kept());
    EXPECT_FALSE(out.open_at_end());
  }
  EXPECT_EQ("keep", vantrel_test::read_file(dir / "a.geo"));
  EXPECT_FALSE(vantrel_test::file_exists(dir / "b.geo"));
}

}  // namespace
}  // namespace vantrel
