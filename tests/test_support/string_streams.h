#ifndef VANTREL_TESTS_TEST_SUPPORT_STRING_STREAMS_H
#define VANTREL_TESTS_TEST_SUPPORT_STRING_STREAMS_H

#include <cstddef>
#include <string>

#include "listing/input_stream.h"
#include "support/output_stream.h"

namespace vantrel_test {

// An input_stream over a string, for tests, fuzzing and benchmarks. A small
// `chunk_size` moves the refill boundaries into the middle of lines; with
// `error_at` the read that would deliver the byte at that offset fails
// instead, as a disk error would.
class string_input : public vantrel::input_stream {
 public:
  static constexpr std::size_t no_error = static_cast<std::size_t>(-1);

  explicit string_input(std::string text, std::size_t chunk_size = default_chunk_size,
                        std::size_t error_at = no_error);

 protected:
  std::size_t fill(char* buffer, std::size_t capacity, bool& error) override;

 private:
  std::string text_;
  std::size_t pos_ = 0;
  std::size_t error_at_;
};

// An output_stream that collects its bytes in memory.
class string_output : public vantrel::output_stream {
 public:
  // Everything written so far, flushed first.
  const std::string& str();

 protected:
  bool deliver(const char* data, std::size_t n) override;

 private:
  std::string text_;
};

}  // namespace vantrel_test

#endif  // VANTREL_TESTS_TEST_SUPPORT_STRING_STREAMS_H
