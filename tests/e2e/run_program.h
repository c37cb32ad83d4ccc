#ifndef VANTREL_TESTS_E2E_RUN_PROGRAM_H
#define VANTREL_TESTS_E2E_RUN_PROGRAM_H

#include <cstddef>
#include <string>
#include <vector>

namespace vantrel_test {

struct program_result {
  int exit_code = -1;  // -1 when the program did not exit normally
  std::string output;  // everything written to standard output
  std::string errors;  // everything written to standard error
};

// Where the program's standard output goes.
enum class output_to {
  capture,      // a file, which the result holds
  closed_pipe,  // a pipe whose reading end is closed before the program starts
  nothing,      // no descriptor at all (the shell's >&-)
  full_device,  // /dev/full, where every write fails with ENOSPC
};

// How the program is started, beyond its folder and arguments.
struct run_options {
  // Unless captured, the result holds no output.
  output_to output = output_to::capture;
  // Standard input is closed (the shell's <&-).
  bool closed_input = false;
  // The largest file the program may write (RLIMIT_FSIZE), 0 for no limit.
  std::size_t file_size_limit = 0;
  // The most files the program may have open at once (RLIMIT_NOFILE), 0
  // for no limit.
  unsigned open_files_limit = 0;
  // The program is killed after this many seconds, so that a program that
  // waits for ever fails the test instead of hanging it.
  unsigned time_limit = 60;
};

// Runs the built vantrel with `args` in the folder `work_dir` and waits for
// it.
program_result run_vantrel(const std::string& work_dir, const std::vector<std::string>& args,
                           const run_options& options = {});

// The banner that every run with arguments prints first, as cases/banner
// holds it.
std::string banner();

// The progress line of one match.
std::string progress(std::string source, const std::string& destination);

}  // namespace vantrel_test

#endif  // VANTREL_TESTS_E2E_RUN_PROGRAM_H
