// Converts the sample listings of examples/ in every mode and compares each
// file written with its copy under examples/expected/<mode>/. With
// VANTREL_E2E_UPDATE=1 the expected copies are rewritten instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "e2e/run_program.h"
#include "test_support/files.h"

namespace fs = std::filesystem;
using namespace vantrel_test;

namespace {

struct example_run {
  const char* mode;
  std::vector<std::vector<std::string>> commands;
};

const example_run example_runs[] = {
    {"select", {{"-s", "*.gem"}}},     {"region", {{"-rregions.txt", "*.gem"}}},
    {"zset", {{"-z", "*.gem"}}},       {"beam", {{"-b", "frame.gem"}}},
    {"disp", {{"-d", "support.gem"}}}, {"batch", {{"-s", "*.gem"}, {"-fconvert.cmd", "*.geo"}}},
    {"inp_sets", {{"-a", "*.gem"}}},   {"inp_boundary", {{"-u", "support.gem"}}},
};

class examples : public testing::TestWithParam<example_run> {};

TEST_P(examples, match_the_expected_files) {
  const example_run& run = GetParam();
  temp_dir work;
  for (const auto& entry : fs::directory_iterator(VANTREL_EXAMPLES_DIR)) {
    if (entry.is_regular_file()) fs::copy(entry.path(), work.path());
  }
  const auto inputs = read_tree(work.path());
  for (const auto& args : run.commands) {
    EXPECT_EQ(run_vantrel(work.path(), args).exit_code, 0);
  }
  std::map<std::string, std::string> written;
  for (const auto& [name, bytes] : read_tree(work.path())) {
    if (!inputs.count(name)) written[name] = bytes;
  }

  const std::string expected_dir = std::string(VANTREL_EXAMPLES_DIR) + "/expected/" + run.mode;
  const char* update = std::getenv("VANTREL_E2E_UPDATE");
  if (update != nullptr && std::string(update) == "1") {
    fs::remove_all(expected_dir);
    fs::create_directories(expected_dir);
    for (const auto& [name, bytes] : written) write_file(expected_dir + "/" + name, bytes);
    return;
  }
  EXPECT_EQ(written, read_tree(expected_dir));
}

INSTANTIATE_TEST_SUITE_P(e2e, examples, testing::ValuesIn(example_runs),
                         [](const testing::TestParamInfo<example_run>& param) {
                           return std::string(param.param.mode);
                         });

}  // namespace
