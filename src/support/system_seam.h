#ifndef VANTREL_SUPPORT_SYSTEM_SEAM_H
#define VANTREL_SUPPORT_SYSTEM_SEAM_H

#include <cstddef>
#include <cstdio>

namespace vantrel {

// The reads and writes that the file classes make to their files all pass
// through these two functions, so that a test can make any of them fail.
// By default they are the C library's unbuffered fread and fwrite.

// Reads up to n bytes into `buffer`; returns how many came, 0 at the end of
// the file. Sets `failed` when the read failed: the bytes counted still came.
std::size_t read_bytes(std::FILE* file, char* buffer, std::size_t n, bool& failed);
// Writes n bytes; returns how many were stored, fewer only on a failure.
std::size_t write_bytes(std::FILE* file, const char* data, std::size_t n);

// What read_bytes and write_bytes call.
struct system_calls {
  std::size_t (*read)(std::FILE* file, char* buffer, std::size_t n, bool& failed);
  std::size_t (*write)(std::FILE* file, const char* data, std::size_t n);
};

// Installs `calls` (a null member restores the C library's function) and
// returns the previous ones.
system_calls set_system_calls(system_calls calls);

}  // namespace vantrel

#endif  // VANTREL_SUPPORT_SYSTEM_SEAM_H
