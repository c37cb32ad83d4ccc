#ifndef VANTREL_TESTS_TEST_SUPPORT_INJECTED_FAULTS_H
#define VANTREL_TESTS_TEST_SUPPORT_INJECTED_FAULTS_H

#include <cstddef>

#include "support/system_seam.h"

namespace vantrel_test {

// While it lives, requests that pass through the program's system seam
// fail as it is told: storage requests after the first `successes`, or of
// more than `largest` bytes, or only the one numbered `doomed` (counting
// from 0); and the read or the write numbered `doomed_read` or
// `doomed_write`. The plain calls are back when it goes.
class injected_faults {
 public:
  static constexpr std::size_t none = static_cast<std::size_t>(-1);

  explicit injected_faults(std::size_t successes = 0, std::size_t largest = none,
                           std::size_t doomed = none, std::size_t doomed_read = none,
                           std::size_t doomed_write = none);
  ~injected_faults();
  injected_faults(const injected_faults&) = delete;
  injected_faults& operator=(const injected_faults&) = delete;

  // Storage requests of more than `largest` bytes fail; all others succeed.
  static injected_faults over(std::size_t largest) { return injected_faults(none, largest); }
  // Only storage request number `doomed` fails.
  static injected_faults only(std::size_t doomed) { return injected_faults(none, none, doomed); }
  // Only read number `doomed_read`, or only write number `doomed_write`,
  // fails; every storage request succeeds.
  static injected_faults read_fails(std::size_t doomed_read) {
    return injected_faults(none, none, none, doomed_read);
  }
  static injected_faults write_fails(std::size_t doomed_write) {
    return injected_faults(none, none, none, none, doomed_write);
  }

  // Storage requests, reads and writes made so far, and the storage
  // requests that failed.
  std::size_t requests() const;
  std::size_t reads() const;
  std::size_t writes() const;
  std::size_t failures() const;

 private:
  vantrel::system_calls previous_;
};

}  // namespace vantrel_test

#endif  // VANTREL_TESTS_TEST_SUPPORT_INJECTED_FAULTS_H
