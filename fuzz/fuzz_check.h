#ifndef VANTREL_FUZZ_FUZZ_CHECK_H
#define VANTREL_FUZZ_FUZZ_CHECK_H

#include <cstdio>
#include <cstdlib>

// Ends the fuzzing run with a finding, naming the property that broke, when
// `holds` is false.
inline void fuzz_check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "\nproperty broken: %s\n", property);
  std::abort();
}

#endif  // VANTREL_FUZZ_FUZZ_CHECK_H
