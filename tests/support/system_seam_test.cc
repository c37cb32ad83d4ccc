#include "support/system_seam.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/output_file.h"
#include "test_support/files.h"
#include "test_support/injected_faults.h"

namespace vantrel {
namespace {

// A write that fails through the seam is a failure of the file that made
// it (reads: front_end_test). A file's first buffer is written before the
// write that fills it returns, so that a small file never waits on another
// thread: its failure shows at once.
TEST(system_seam, a_failing_write_is_a_failure_at_once) {
  vantrel_test::temp_dir dir;
  const std::string name = dir / "a.gem";
  vantrel_test::write_file(name, "1 2\n");
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
