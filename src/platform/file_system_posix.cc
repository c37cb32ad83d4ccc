#include "platform/file_system.h"

#include <sys/stat.h>

#include <cstdio>

namespace vantrel {

std::FILE* open_for_reading(const char* name) {
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return nullptr;
  // fopen succeeds on a directory here, and reading it then fails; refuse it
  // up front so a directory is reported as a file that does not open.
  struct stat info;
  if (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
    std::fclose(file);
    return nullptr;
  }
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

}  // namespace vantrel
