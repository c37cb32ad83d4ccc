#include "test_support/failing_allocation.h"

#include <cstdlib>

namespace vantrel_test {
namespace {

std::size_t successes_left = 0;
std::size_t largest_allowed = 0;
std::size_t doomed_request = 0;
std::size_t request_count = 0;
std::size_t failed_count = 0;

void* allocate_or_fail(std::size_t n) {
  const std::size_t number = request_count++;
  if (n > largest_allowed || successes_left == 0 || number == doomed_request) {
    ++failed_count;
    return nullptr;
  }
  if (successes_left != failing_allocation::none) --successes_left;
  return std::malloc(n);
}

}  // namespace

failing_allocation::failing_allocation(std::size_t successes, std::size_t largest,
                                       std::size_t doomed) {
  successes_left = successes;
  largest_allowed = largest;
  doomed_request = doomed;
  request_count = 0;
  failed_count = 0;
  previous_ = vantrel::set_allocator(allocate_or_fail);
}

failing_allocation::~failing_allocation() { vantrel::set_allocator(previous_); }

std::size_t failing_allocation::requests() const { return request_count; }
std::size_t failing_allocation::failures() const { return failed_count; }

}  // namespace vantrel_test
