#ifndef VANTREL_TESTS_E2E_RUN_PROGRAM_H
#define VANTREL_TESTS_E2E_RUN_PROGRAM_H

#include <string>
#include <vector>

namespace vantrel_test {

struct program_result {
  int exit_code = -1;  // -1 when the program did not exit normally
  std::string output;  // everything written to standard output
};

// Runs the built vantrel with `args` in the folder `work_dir` and waits for
// it. Standard error is left alone.
program_result run_vantrel(const std::string& work_dir, const std::vector<std::string>& args);

}  // namespace vantrel_test

#endif  // VANTREL_TESTS_E2E_RUN_PROGRAM_H
