// Runs every case folder under cases/: `args` (one argument a line, absent
// for none), `in/` (the working folder before the run), `out/` (the working
// folder after it, every file compared byte for byte; absent when the run
// must leave `in/` as it was), `stdout` and `status` (exit code, absent for
// 0). With VANTREL_E2E_UPDATE=1 the actual results are written back into the
// case folder instead, for review before they are committed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "e2e/run_program.h"
#include "test_support/files.h"

namespace fs = std::filesystem;
using namespace vantrel_test;

namespace {

std::vector<std::string> case_names() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(VANTREL_CASES_DIR)) {
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> read_args(const std::string& path) {
  std::vector<std::string> args;
  if (!file_exists(path)) return args;
  std::istringstream lines(read_file(path));
  std::string line;
  while (std::getline(lines, line)) args.push_back(line);
  return args;
}

void write_back(const std::string& dir, const program_result& result, const std::string& work) {
  write_file(dir + "/stdout", result.output);
  if (result.exit_code != 0) {
    write_file(dir + "/status", std::to_string(result.exit_code) + "\n");
  } else {
    fs::remove(dir + "/status");
  }
  fs::remove_all(dir + "/out");
  auto before =
      fs::exists(dir + "/in") ? read_tree(dir + "/in") : std::map<std::string, std::string>{};
  if (read_tree(work) != before) {
    fs::create_directories(dir + "/out");
    copy_tree(work, dir + "/out");
  }
}

class cases : public testing::TestWithParam<std::string> {};

TEST_P(cases, match_expected_output_and_files) {
  const std::string dir = std::string(VANTREL_CASES_DIR) + "/" + GetParam();
  temp_dir scratch;
  const std::string work = scratch / "work";
  fs::create_directory(work);
  if (fs::exists(dir + "/in")) copy_tree(dir + "/in", work);

  program_result result = run_vantrel(work, read_args(dir + "/args"));

  const char* update = std::getenv("VANTREL_E2E_UPDATE");
  if (update != nullptr && std::string(update) == "1") {
    write_back(dir, result, work);
    return;
  }
  int expected_status = 0;
  if (file_exists(dir + "/status")) expected_status = std::stoi(read_file(dir + "/status"));
  EXPECT_EQ(result.exit_code, expected_status);
  EXPECT_EQ(result.output, read_file(dir + "/stdout"));
  const std::string expected_dir = fs::exists(dir + "/out") ? dir + "/out" : dir + "/in";
  auto expected =
      fs::exists(expected_dir) ? read_tree(expected_dir) : std::map<std::string, std::string>{};
  auto actual = read_tree(work);
  for (const auto& [name, bytes] : expected) {
    auto found = actual.find(name);
    if (found == actual.end()) {
      ADD_FAILURE() << name << " is missing";
    } else {
      EXPECT_EQ(found->second, bytes) << "in " << name;
    }
  }
  for (const auto& [name, bytes] : actual) {
    EXPECT_TRUE(expected.count(name)) << name << " was written but is not expected";
  }
}

INSTANTIATE_TEST_SUITE_P(e2e, cases, testing::ValuesIn(case_names()),
                         [](const testing::TestParamInfo<std::string>& param) {
                           std::string name = param.param;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
