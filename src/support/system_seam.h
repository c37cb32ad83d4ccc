#ifndef VANTREL_SUPPORT_SYSTEM_SEAM_H
#define VANTREL_SUPPORT_SYSTEM_SEAM_H

#include <cstddef>
#include <cstdio>

namespace vantrel {

// The program's requests for storage, and the reads and writes that the
// file classes make to their files, all pass through the functions below,
// so that the program can choose how storage is had and a test can make any
// single request fail. By default they are std::malloc and the C library's
// fread and fwrite.

// n bytes of storage, freed with std::free, or null when none can be had;
// never throws.
void* allocate_storage(std::size_t n);
// Reads up to n bytes into `buffer`; returns how many came, 0 at the end of
// the file. Sets `failed` when the read failed: the bytes counted still came.
std::size_t read_bytes(std::FILE* file, char* buffer, std::size_t n, bool& failed);
// Writes n bytes; returns how many were stored, fewer only on a failure.
std::size_t write_bytes(std::FILE* file, const char* data, std::size_t n);

// How many requests allocate_storage could not satisfy since the program
// began. A caller that builds several objects compares it before and after
// instead of asking each object whether it got its storage.
std::size_t refused_requests();

// What the three functions above call.
struct system_calls {
  void* (*allocate)(std::size_t n);
  std::size_t (*read)(std::FILE* file, char* buffer, std::size_t n, bool& failed);
  std::size_t (*write)(std::FILE* file, const char* data, std::size_t n);
};

// Installs `calls` (a null member restores the default) and returns the
// previous ones.
system_calls set_system_calls(system_calls calls);

}  // namespace vantrel

#endif  // VANTREL_SUPPORT_SYSTEM_SEAM_H
