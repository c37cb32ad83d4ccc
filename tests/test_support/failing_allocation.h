#ifndef VANTREL_TESTS_TEST_SUPPORT_FAILING_ALLOCATION_H
#define VANTREL_TESTS_TEST_SUPPORT_FAILING_ALLOCATION_H

#include <cstddef>

#include "support/allocation.h"

namespace vantrel_test {

// While it lives, the program's injectable allocation fails: every request
// after the first `successes` ones, or only the requests of more than
// `largest` bytes. The plain allocation is back when it goes.
class failing_allocation {
 public:
  explicit failing_allocation(std::size_t successes = 0,
                              std::size_t largest = static_cast<std::size_t>(-1));
  ~failing_allocation();
  failing_allocation(const failing_allocation&) = delete;
  failing_allocation& operator=(const failing_allocation&) = delete;

  // Requests of more than `largest` bytes fail; all others succeed.
  static failing_allocation over(std::size_t largest) {
    return failing_allocation(static_cast<std::size_t>(-1), largest);
  }

  // Requests that failed so far.
  std::size_t failures() const;

 private:
  vantrel::allocate_fn previous_;
};

}  // namespace vantrel_test

#endif  // VANTREL_TESTS_TEST_SUPPORT_FAILING_ALLOCATION_H
