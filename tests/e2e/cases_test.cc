// Runs every case folder under cases/: `args` (one argument a line), `in/`
// (the working folder before the run), `out/` (the files that the run creates
// or changes; the others must stay as in `in/`), `gone` (files of `in/` that
// the run removes, one a line), `stdout` (what follows cases/banner, which
// every run with arguments but a question (--help, -h, --version) prints
// first), `stderr` and `status` (exit code).
// Absent files stand for none, nothing and 0. With VANTREL_E2E_UPDATE=1 the
// actual results are written back in this form instead, for review.
// The sample runs under examples/expected/ are cases of the same form, named
// example_<folder>, whose working folder holds the files of examples/ as
// well as their own in/.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "e2e/run_program.h"
#include "test_support/files.h"

namespace fs = std::filesystem;
using namespace vantrel_test;

namespace {

using tree = std::map<std::string, std::string>;

const fs::path examples_root = fs::path(VANTREL_EXAMPLES_DIR) / "expected";

bool is_example(const fs::path& dir) { return dir.parent_path() == examples_root; }

// The case folders of both roots.
std::vector<std::string> case_dirs() {
  std::vector<std::string> dirs;
  for (const fs::path& root : {fs::path(VANTREL_CASES_DIR), examples_root}) {
    for (const auto& entry : fs::directory_iterator(root)) {
      if (entry.is_directory()) dirs.push_back(entry.path().string());
    }
  }
  std::sort(dirs.begin(), dirs.end());
  return dirs;
}

std::vector<std::string> read_args(const std::string& path) {
  std::vector<std::string> args;
  std::istringstream lines(read_file(path));
  for (std::string line; std::getline(lines, line);) args.push_back(line);
  return args;
}

// The expected results of the case folder `dir`: its files but args and
// in/, by their paths in it. A folder under out/ that `before` has as well
// only holds the changed files.
tree expected_files(const std::string& dir, const tree& before) {
  tree files;
  for (const auto& [name, bytes] : read_tree(dir)) {
    if (name == "args" || name == "in" || name == "out" || name.compare(0, 3, "in/") == 0) continue;
    if (bytes != "<dir>" || !before.count(name.substr(4))) files[name] = bytes;
  }
  return files;
}

// The results of a run in the form of expected_files.
tree actual_files(const std::string& output, const program_result& result, const tree& before,
                  const tree& after) {
  tree files;
  if (!output.empty()) files["stdout"] = output;
  if (!result.errors.empty()) files["stderr"] = result.errors;
  if (result.exit_code != 0) files["status"] = std::to_string(result.exit_code) + "\n";
  for (const auto& [name, bytes] : before) {
    if (!after.count(name)) files["gone"] += name + "\n";
  }
  for (const auto& [name, bytes] : after) {
    const auto old = before.find(name);
    if (old == before.end() || old->second != bytes) files["out/" + name] = bytes;
  }
  return files;
}

class cases : public testing::TestWithParam<std::string> {};

TEST_P(cases, match_expected_output_and_files) {
  const std::string& dir = GetParam();
  temp_dir work;
  if (is_example(dir)) {
    for (const auto& entry : fs::directory_iterator(VANTREL_EXAMPLES_DIR)) {
      if (entry.is_regular_file()) fs::copy(entry.path(), work.path());
    }
  }
  if (fs::exists(dir + "/in")) copy_tree(dir + "/in", work.path());
  const std::vector<std::string> args = read_args(dir + "/args");
  const tree before = read_tree(work.path());

  const program_result result = run_vantrel(work.path(), args);
  std::string output = result.output;
  // Every run with arguments prints the banner first, but the answers to
  // --help, -h and --version.
  const bool question =
      args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "--version");
  if (!args.empty() && !question) {
    EXPECT_EQ(output.substr(0, banner().size()), banner()) << "the banner does not come first";
    output.erase(0, banner().size());
  }
  const tree actual = actual_files(output, result, before, read_tree(work.path()));

  const char* update = std::getenv("VANTREL_E2E_UPDATE");
  if (update != nullptr && std::string(update) == "1") {
    for (const char* name : {"stdout", "stderr", "status", "gone", "out"}) {
      fs::remove_all(dir + "/" + name);
    }
    for (const auto& [name, bytes] : actual) {
      const fs::path path = dir + "/" + name;
      fs::create_directories(bytes == "<dir>" ? path : path.parent_path());
      if (bytes != "<dir>") write_file(path.string(), bytes);
    }
    return;
  }
  const tree expected = expected_files(dir, before);
  for (const auto& [name, bytes] : expected) {
    EXPECT_EQ(actual.count(name) ? actual.at(name) : "(no such file)", bytes) << name;
  }
  for (const auto& [name, bytes] : actual) {
    EXPECT_TRUE(expected.count(name))
        << name << " is not expected: " << testing::PrintToString(bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(e2e, cases, testing::ValuesIn(case_dirs()),
                         [](const testing::TestParamInfo<std::string>& param) {
                           // Every folder name is a valid test name.
                           const fs::path dir = param.param;
                           return (is_example(dir) ? "example_" : "") + dir.filename().string();
                         });

}  // namespace
