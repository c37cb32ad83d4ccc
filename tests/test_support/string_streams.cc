#include "test_support/string_streams.h"

#include <cstring>
#include <utility>

namespace vantrel_test {

string_input::string_input(std::string text, std::size_t chunk_size, std::size_t error_at)
    : input_stream(chunk_size), text_(std::move(text)), error_at_(error_at) {}

std::size_t string_input::fill(char* buffer, std::size_t capacity, bool& error) {
  if (pos_ >= error_at_) {
    error = true;
    return 0;
  }
  std::size_t n = text_.size() - pos_;
  if (n > capacity) n = capacity;
  if (error_at_ != no_error && n > error_at_ - pos_) n = error_at_ - pos_;
  std::memcpy(buffer, text_.data() + pos_, n);
  pos_ += n;
  return n;
}

const std::string& string_output::str() {
  flush();
  return text_;
}

bool string_output::deliver(const char* data, std::size_t n) {
  text_.append(data, n);
  return true;
}

}  // namespace vantrel_test
