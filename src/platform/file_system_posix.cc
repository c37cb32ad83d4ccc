#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

void keep_running_on_write_signals() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace vantrel
