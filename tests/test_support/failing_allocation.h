#ifndef VANTREL_TESTS_TEST_SUPPORT_FAILING_ALLOCATION_H
#define VANTREL_TESTS_TEST_SUPPORT_FAILING_ALLOCATION_H

#include <cstddef>

#include "support/allocation.h"

namespace vantrel_test {

// While it lives, the program's injectable allocation fails some requests:
// every one after the first `successes`, every one of more than `largest`
// bytes, or only the one numbered `doomed` (counting from 0). The plain
// allocation is back when it goes.
class failing_allocation {
 public:
  static constexpr std::size_t none = static_cast<std::size_t>(-1);

  explicit failing_allocation(std::size_t successes = 0, std::size_t largest = none,
                              std::size_t doomed = none);
  ~failing_allocation();
  failing_allocation(const failing_allocation&) = delete;
  failing_allocation& operator=(const failing_allocation&) = delete;

  // Requests of more than `largest` bytes fail; all others succeed.
  static failing_allocation over(std::size_t largest) { return failing_allocation(none, largest); }
  // Only request number `doomed` fails.
  static failing_allocation only(std::size_t doomed) {
    return failing_allocation(none, none, doomed);
  }

  // Requests made, and those that failed, so far.
  std::size_t requests() const;
  std::size_t failures() const;

 private:
  vantrel::allocate_fn previous_;
};

}  // namespace vantrel_test

#endif  // VANTREL_TESTS_TEST_SUPPORT_FAILING_ALLOCATION_H
