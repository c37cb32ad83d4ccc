#include "platform/output_file.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support/files.h"
#include "test_support/injected_faults.h"

namespace vantrel {
namespace {

// One object serves file after file: open_at_end() creates or appends,
// open_kept() and empty() empty, a failed open or a close with nothing open
// leaves the stream failed until the next open, and the destructor flushes.
// A file of many buffers, written behind, holds every byte in order.
TEST(output_file, file_after_file) {
  vantrel_test::temp_dir dir;
  std::string large;
  while (large.size() < 3 * output_stream::max_reserve) large += "SELPIC,ND,12345;\n";
  std::string stored_large;
  for (char c : large) stored_large += c == '\n' ? std::string("\r\n") : std::string(1, c);
  {
    output_file out;
    for (const std::string& name :
         {dir / "a.geo", dir / "a.geo", dir / "no/a.geo", dir / "b.geo", dir / "c.geo"}) {
      const bool opens = name != dir / "no/a.geo";
      EXPECT_EQ(out.open_at_end(name.c_str()), opens);
      EXPECT_EQ(out.failed(), !opens);
      out.write(name == dir / "c.geo" ? large.c_str() : "x;\n-7");
      EXPECT_EQ(out.close(), opens);
      EXPECT_FALSE(out.close());
      EXPECT_TRUE(out.failed());
    }
    const std::string b = dir / "b.geo";
    ASSERT_TRUE(out.open_kept(b.c_str()) && out.empty());
    EXPECT_FALSE(out.created());
    EXPECT_EQ(b, out.name());
    out.write("pending\n");
  }
  EXPECT_EQ("x;\r\n-7x;\r\n-7", vantrel_test::read_file(dir / "a.geo"));
  EXPECT_EQ("pending\r\n", vantrel_test::read_file(dir / "b.geo"));
  EXPECT_EQ(stored_large, vantrel_test::read_file(dir / "c.geo"));
  // Without room for the copy that is written behind, every buffer is
  // written at once.
  output_file out;
  const vantrel_test::injected_faults no_storage;
  ASSERT_TRUE(out.open_at_end((dir / "d.geo").c_str()));
  EXPECT_TRUE(out.write(large.c_str()).flush() && out.close());
  EXPECT_EQ(stored_large, vantrel_test::read_file(dir / "d.geo"));
}

// Without its stream buffer no file is created or emptied.
TEST(output_file, without_its_buffer_touches_no_file) {
  vantrel_test::temp_dir dir;
  vantrel_test::write_file(dir / "a.geo", "keep");
  const vantrel_test::injected_faults no_storage;
  output_file out;
  for (const std::string& name : {dir / "a.geo", dir / "b.geo"}) {
    EXPECT_FALSE(out.open_kept(name.c_str()));
    EXPECT_FALSE(out.open_at_end(name.c_str()));
  }
  EXPECT_EQ("keep", vantrel_test::read_file(dir / "a.geo"));
  EXPECT_FALSE(vantrel_test::file_exists(dir / "b.geo"));
}

}  // namespace
}  // namespace vantrel
