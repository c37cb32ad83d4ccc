#include "support/system_seam.h"

#include <atomic>
#include <cstdlib>

namespace vantrel {
namespace {

std::size_t library_read(std::FILE* file, char* buffer, std::size_t n, bool& failed) {
  const std::size_t count = std::fread(buffer, 1, n, file);
  if (count < n && std::ferror(file)) failed = true;
  return count;
}

std::size_t library_write(std::FILE* file, const char* data, std::size_t n) {
  return std::fwrite(data, 1, n, file);
}

system_calls installed = {std::malloc, library_read, library_write};
std::atomic<std::size_t> refused{0};

}  // namespace

void* allocate_storage(std::size_t n) {
  void* storage = installed.allocate(n);
  if (storage == nullptr && n != 0) refused.fetch_add(1, std::memory_order_relaxed);
  return storage;
}

std::size_t read_bytes(std::FILE* file, char* buffer, std::size_t n, bool& failed) {
  return installed.read(file, buffer, n, failed);
}

std::size_t write_bytes(std::FILE* file, const char* data, std::size_t n) {
  return installed.write(file, data, n);
}

std::size_t refused_requests() { return refused.load(std::memory_order_relaxed); }

system_calls set_system_calls(system_calls calls) {
  const system_calls previous = installed;
  installed.allocate = calls.allocate != nullptr ? calls.allocate : std::malloc;
  installed.read = calls.read != nullptr ? calls.read : library_read;
  installed.write = calls.write != nullptr ? calls.write : library_write;
  return previous;
}

}  // namespace vantrel
