#include "support/system_seam.h"

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

system_calls installed = {library_read, library_write};

}  // namespace

std::size_t read_bytes(std::FILE* file, char* buffer, std::size_t n, bool& failed) {
  return installed.read(file, buffer, n, failed);
}

std::size_t write_bytes(std::FILE* file, const char* data, std::size_t n) {
  return installed.write(file, data, n);
}

system_calls set_system_calls(system_calls calls) {
  const system_calls previous = installed;
  installed.read = calls.read != nullptr ? calls.read : library_read;
  installed.write = calls.write != nullptr ? calls.write : library_write;
  return previous;
}

}  // namespace vantrel
