#include "support/system_seam.h"

#include <gtest/gtest.h>

#include <string>

#include "listing/input_file.h"
#include "platform/output_file.h"
#include "test_support/files.h"
#include "test_support/injected_faults.h"

namespace vantrel {
namespace {

// A read or a write that fails through the seam is a failure of the file
// class that made it. A file's first buffer is written before the write
// that fills it returns, so that a small file never waits on another
// thread: its failure shows at once.
TEST(system_seam, failing_reads_and_writes_are_failures) {
  vantrel_test::temp_dir dir;
  const std::string name = dir / "a.gem";
  vantrel_test::write_file(name, "1 2\n");
  input_file in;
  {
    const auto first_read_fails = vantrel_test::injected_faults::read_fails(0);
    ASSERT_TRUE(in.open(name.c_str()));
    char spare[8];
    in.next_line(spare, 7);
  }
  EXPECT_TRUE(in.bad());
  const auto first_write_fails = vantrel_test::injected_faults::write_fails(0);
  output_file out;
  ASSERT_TRUE(out.open_at_end(name.c_str()));
  // Stored as 18 bytes each: the buffer is delivered once.
  for (std::size_t n = 0; n <= output_stream::max_reserve; n += 18) out.write("SELPIC,ND,12345;\n");
  EXPECT_TRUE(out.failed());
  EXPECT_FALSE(out.close());
  EXPECT_EQ("1 2\n", vantrel_test::read_file(name));
}

}  // namespace
}  // namespace vantrel
