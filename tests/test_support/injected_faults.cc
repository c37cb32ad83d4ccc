#include "test_support/injected_faults.h"

#include <atomic>
#include <cstdlib>

namespace vantrel_test {
namespace {

std::size_t successes_left = 0;
std::size_t largest_allowed = 0;
std::size_t doomed_request = 0;
std::size_t request_count = 0;
std::size_t failed_count = 0;
// Reads and writes of a file may come from the thread that works ahead.
std::atomic<std::size_t> doomed_read{0};
std::atomic<std::size_t> doomed_write{0};
std::atomic<std::size_t> read_count{0};
std::atomic<std::size_t> write_count{0};
vantrel::system_calls plain;

void* allocate_or_fail(std::size_t n) {
  const std::size_t number = request_count++;
  if (n > largest_allowed || successes_left == 0 || number == doomed_request) {
    ++failed_count;
    return nullptr;
  }
  if (successes_left != injected_faults::none) --successes_left;
  return std::malloc(n);
}

std::size_t read_or_fail(std::FILE* file, char* buffer, std::size_t n, bool& failed) {
  if (read_count++ == doomed_read) {
    failed = true;
    return 0;
  }
  return plain.read(file, buffer, n, failed);
}

std::size_t write_or_fail(std::FILE* file, const char* data, std::size_t n) {
  if (write_count++ == doomed_write) return 0;
  return plain.write(file, data, n);
}

}  // namespace

injected_faults::injected_faults(std::size_t successes, std::size_t largest, std::size_t doomed,
                                 std::size_t read, std::size_t write) {
  successes_left = successes;
  largest_allowed = largest;
  doomed_request = doomed;
  request_count = 0;
  failed_count = 0;
  doomed_read = read;
  doomed_write = write;
  read_count = 0;
  write_count = 0;
  previous_ = vantrel::set_system_calls({allocate_or_fail, read_or_fail, write_or_fail});
  plain = previous_;
}

injected_faults::~injected_faults() { vantrel::set_system_calls(previous_); }

std::size_t injected_faults::requests() const { return request_count; }
std::size_t injected_faults::reads() const { return read_count; }
std::size_t injected_faults::writes() const { return write_count; }
std::size_t injected_faults::failures() const { return failed_count; }

}  // namespace vantrel_test
