#include "test_support/failing_allocation.h"

#include <cstdlib>

namespace vantrel_test {
namespace {

std::size_t successes_left = 0;
std::size_t largest_allowed = 0;
std::size_t failed_count = 0;

void* allocate_or_fail(std::size_t n) {
  if (n > largest_allowed || successes_left == 0) {
    ++failed_count;
    return nullptr;
  }
  --successes_left;
  return std::malloc(n);
}

}  // namespace

failing_allocation::failing_allocation(std::size_t successes, std::size_t largest) {
  successes_left = successes;
  largest_allowed = largest;
  failed_count = 0;
  previous_ = vantrel::set_allocator(allocate_or_fail);
}

failing_allocation::~failing_allocation() { vantrel::set_allocator(previous_); }

std::size_t failing_allocation::failures() const { return failed_count; }

}  // namespace vantrel_test
