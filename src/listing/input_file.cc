#include "listing/input_file.h"

#include "platform/file_system.h"

namespace vantrel {

input_file::input_file() { allow_reading_ahead(); }

input_file::~input_file() { close(); }

bool input_file::open() {
  const char* name = file_name.c_str();
  // A name that could not be made whole may name another file.
  if (file_ != nullptr || name == nullptr || !file_name.complete()) {
    fail_ = true;
    return false;
  }
  file_ = open_for_reading(name);
  if (file_ == nullptr) {
    fail_ = true;
    return false;
  }
  // The stream reads whole chunks itself; a second buffer in the C library
  // would only add a copy.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  reset_state();
  return true;
}

void input_file::close() {
  if (file_ != nullptr) {
    stop_reading_ahead();
    std::fclose(file_);
    file_ = nullptr;
  }
  reset_state();
}

std::size_t input_file::fill(char* buffer, std::size_t capacity, bool& error) {
  if (file_ == nullptr) return 0;
  std::size_t n = std::fread(buffer, 1, capacity, file_);
  // Bytes read before an error are delivered; the error shows on the next
  // call, which reads nothing.
  if (n == 0 && std::ferror(file_)) error = true;
  return n;
}

}  // namespace vantrel
