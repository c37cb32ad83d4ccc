#include "e2e/run_program.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "test_support/files.h"

namespace vantrel_test {

program_result run_vantrel(const std::string& work_dir, const std::vector<std::string>& args,
                           const run_options& options) {
  temp_dir capture;
  const std::string output_path = capture / "stdout";
  const std::string errors_path = capture / "stderr";
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(VANTREL_BINARY));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  // The reading end is closed before the program starts, so that its very
  // first write meets a pipe that nobody reads.
  int closed[2] = {-1, -1};
  if (options.output == output_to::closed_pipe) {
    if (pipe(closed) != 0) return {};
    close(closed[0]);
  }
  program_result result;
  pid_t child = fork();
  if (child == 0) {
    const int err = open(errors_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (err < 0 || dup2(err, 2) < 0 || chdir(work_dir.c_str()) != 0) _exit(127);
    int out = -1;
    switch (options.output) {
      case output_to::capture:
        out = open(output_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        break;
      case output_to::closed_pipe:
        out = closed[1];
        break;
      case output_to::nothing:
        break;
      case output_to::full_device:
        out = open("/dev/full", O_WRONLY);
        break;
    }
    if (options.output == output_to::nothing) {
      close(1);
    } else if (out < 0 || dup2(out, 1) < 0) {
      _exit(127);
    }
    if (options.closed_input) close(0);
    if (options.file_size_limit != 0) {
      const rlimit limit = {options.file_size_limit, options.file_size_limit};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(127);
    }
    // Only the soft limit: valgrind, which may run the program, refuses to
    // have the hard one changed.
    if (options.open_files_limit != 0) {
      rlimit files;
      if (getrlimit(RLIMIT_NOFILE, &files) != 0) _exit(127);
      files.rlim_cur = options.open_files_limit;
      if (setrlimit(RLIMIT_NOFILE, &files) != 0) _exit(127);
    }
    alarm(options.time_limit);
    execv(VANTREL_BINARY, argv.data());
    _exit(127);
  }
  if (closed[1] >= 0) close(closed[1]);
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
    result.exit_code = WEXITSTATUS(status);
  }
  result.output = read_file(output_path);
  result.errors = read_file(errors_path);
  return result;
}

std::string banner() { return read_file(VANTREL_CASES_DIR "/banner"); }

std::string progress(std::string source, const std::string& destination) {
  if (source.size() < 37) source.resize(37, ' ');
  return source + "    " + destination + "\n";
}

}  // namespace vantrel_test
