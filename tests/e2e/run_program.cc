#include "e2e/run_program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "test_support/files.h"

namespace vantrel_test {

program_result run_vantrel(const std::string& work_dir, const std::vector<std::string>& args) {
  temp_dir capture;
  const std::string output_path = capture / "stdout";
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(VANTREL_BINARY));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  program_result result;
  pid_t child = fork();
  if (child == 0) {
    int fd = open(output_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || dup2(fd, 1) < 0 || chdir(work_dir.c_str()) != 0) _exit(127);
    execv(VANTREL_BINARY, argv.data());
    _exit(127);
  }
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
    result.exit_code = WEXITSTATUS(status);
  }
  result.output = read_file(output_path);
  return result;
}

}  // namespace vantrel_test
