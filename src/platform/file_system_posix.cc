#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace vantrel {

std::FILE* open_for_reading(const char* name) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer; whatever is
  // not a regular file is refused before anything is read from it.
  const int fd = open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info;
  const int flags = fcntl(fd, F_GETFL);
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
      fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    close(fd);
    return nullptr;
  }
  std::FILE* file = fdopen(fd, "rb");
  if (file == nullptr) close(fd);
  return file;
}

std::FILE* open_for_writing(const char* name, bool append) {
  return std::fopen(name, append ? "ab" : "wb");
}

bool same_file(const char* a, const char* b) {
  struct stat info_a;
  struct stat info_b;
  if (stat(a, &info_a) != 0 || stat(b, &info_b) != 0) return false;
  return info_a.st_dev == info_b.st_dev && info_a.st_ino == info_b.st_ino;
}

bool same_name(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

namespace {

// Puts something on the closed descriptor fd, which is the lowest one free:
// the null device, or where there is none (a root without /dev) one end of
// a pipe, which takes no file's place either.
bool occupy(int fd) {
  const int null = open("/dev/null", O_RDWR);
  if (null >= 0) return null == fd || (close(null), false);
  int ends[2];
  if (pipe(ends) != 0) return false;
  if (ends[1] > 2) close(ends[1]);
  return ends[0] == fd;
}

}  // namespace

bool open_standard_streams() {
  bool output_open = true;
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    if (fd == 1) output_open = false;
    if (!occupy(fd)) break;
  }
  return output_open;
}

void keep_running_on_write_signals() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace vantrel
