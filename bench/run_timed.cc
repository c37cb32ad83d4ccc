// Runs one command and prints, on one line of standard output, its
// wall-clock seconds, its CPU seconds (user + system) and its peak resident
// set size in KiB, measured with wait4's resource usage of that child alone:
//   run_timed [-o FILE] COMMAND [ARG...]
// With -o the command's standard output goes to FILE (emptied first),
// otherwise to /dev/null. The exit code is the command's (128 + the signal
// when a signal ended it); a command that fails, is killed or cannot be
// started is reported on standard error, after the figures. Kept free of
// iostreams so that the forked copy, whose size counts towards the child's
// peak before exec, stays small.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

double seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

double now() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  const char* out_name = "/dev/null";
  if (argc > 2 && std::strcmp(argv[1], "-o") == 0) {
    out_name = argv[2];
    first = 3;
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: run_timed [-o FILE] COMMAND [ARG...]\n");
    return 2;
  }
  const int out = open(out_name, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out < 0) {
    std::perror(out_name);
    return 2;
  }
  const double start = now();
  const pid_t child = fork();
  if (child < 0) {
    std::perror("fork");
    return 2;
  }
  if (child == 0) {
    dup2(out, STDOUT_FILENO);
    close(out);
    execvp(argv[first], argv + first);
    std::perror(argv[first]);
    _exit(127);
  }
  close(out);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) < 0) {
    std::perror("wait4");
    return 2;
  }
  const double wall = now() - start;
  const double cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  std::printf("%.6f %.6f %ld\n", wall, cpu, static_cast<long>(usage.ru_maxrss));
  if (WIFSIGNALED(status)) {
    std::fprintf(stderr, "run_timed: %s was killed by signal %d (%s)\n", argv[first],
                 WTERMSIG(status), strsignal(WTERMSIG(status)));
    return 128 + WTERMSIG(status);
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "run_timed: %s failed with exit code %d\n", argv[first],
                 WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
  }
  return 0;
}
