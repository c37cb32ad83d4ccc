#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
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

std::FILE* open_for_writing(const char* name, write_mode mode, bool* created) {
  // Without O_NONBLOCK, opening a FIFO that nobody reads would wait for a
  // reader for ever; it fails instead.
  int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK;
  if (mode == write_mode::appended) flags |= O_APPEND;
  if (created != nullptr) *created = false;
  // Whether this open makes the file: an exclusive create, the common case
  // of a new destination, says so in one call; when something is there, a
  // link that leads nowhere yet is followed to the file it then makes.
  bool made = true;
  int fd = open(name, flags | O_EXCL, 0666);
  if (fd < 0 && errno == EEXIST) {
    struct stat info;
    made = stat(name, &info) != 0 && errno == ENOENT;
    fd = open(name, flags, 0666);
  }
  if (fd < 0) return nullptr;
  const int status = fcntl(fd, F_GETFL);
  std::FILE* file = status < 0 || fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0
                        ? nullptr
                        : fdopen(fd, mode == write_mode::appended ? "ab" : "wb");
  if (file == nullptr) {
    close(fd);
    if (made) remove_file(name);
    return nullptr;
  }
  if (created != nullptr) *created = made;
  return file;
}

bool empty_file(std::FILE* file) {
  // A device or a pipe holds nothing to empty.
  struct stat info;
  if (std::fflush(file) != 0 || fstat(fileno(file), &info) != 0) return false;
  return !S_ISREG(info.st_mode) ||
         (ftruncate(fileno(file), 0) == 0 && std::fseek(file, 0, SEEK_SET) == 0);
}

bool remove_file(const char* name) {
  char* target = realpath(name, nullptr);
  if (target == nullptr) return false;
  const bool removed = unlink(target) == 0;
  std::free(target);
  return removed;
}

namespace {

file_identity identity_from(const struct stat& info) {
  file_identity identity;
  identity.device = static_cast<unsigned long long>(info.st_dev);
  identity.number = static_cast<unsigned long long>(info.st_ino);
  return identity;
}

}  // namespace

bool identity_of(const char* name, file_identity& identity) {
  struct stat info;
  if (stat(name, &info) != 0) return false;
  identity = identity_from(info);
  return true;
}

bool identity_of(std::FILE* file, file_identity& identity) {
  struct stat info;
  if (fstat(fileno(file), &info) != 0) return false;
  identity = identity_from(info);
  return true;
}

namespace {

// Puts something on the closed descriptor fd, which is the lowest one free:
// the null device, or where there is none (a root without /dev) one end of
// a pipe whose other end is closed, so that reading it meets the end of the
// input and writing it fails at once instead of filling the pipe.
bool occupy(int fd) {
  const int null = open("/dev/null", O_RDWR);
  if (null >= 0) return null == fd || (close(null), false);
  int ends[2];
  if (pipe(ends) != 0) return false;
  // ends[0], the reading end, took fd; an output gets the writing end.
  const bool kept = fd == 0 || dup2(ends[1], fd) == fd;
  close(ends[1]);
  return kept;
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
