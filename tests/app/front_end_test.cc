#include "app/front_end.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support/failing_allocation.h"

namespace vantrel {
namespace {

std::string run(const char* const* argv, int argc, int& status) {
  testing::internal::CaptureStdout();
  status = run_front_end(argc, argv);
  return testing::internal::GetCapturedStdout();
}

// Without memory for its file buffers the program says so after the banner
// and touches no file; the command-line errors still come first.
TEST(front_end, without_file_buffers_nothing_runs) {
  const char* const convert[] = {"vantrel", "-s", "*.gem", nullptr};
  const char* const two_options[] = {"vantrel", "-s", "-d", nullptr};
  int status = -1;
  const std::string banner = run(two_options, 3, status);
  ASSERT_EQ(status, 1);
  vantrel_test::failing_allocation no_storage;
  EXPECT_EQ(run(two_options, 3, status), banner);
  EXPECT_EQ(status, 1);
  const std::string printed = run(convert, 3, status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(printed,
            banner.substr(0, banner.size() - std::string("Only one Option Allowed\n").size()) +
                "\nThere is not enough memory for the file buffers.");
}

}  // namespace
}  // namespace vantrel
