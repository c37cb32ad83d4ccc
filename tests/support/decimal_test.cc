#include "support/decimal.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace vantrel {
namespace {

// The run read a byte at a time.
digit_run plain_run(const char* p) {
  digit_run run;
  while (run.length < 8 && p[run.length] >= '0' && p[run.length] <= '9') {
    run.value = run.value * 10 + (p[run.length] - '0');
    ++run.length;
  }
  if (run.length == 8) run.value = 0;
  return run;
}

void expect_same_run(const char (&bytes)[8]) {
  const digit_run fast = read_digit_run(bytes);
  const digit_run plain = plain_run(bytes);
  EXPECT_EQ(fast.length, plain.length) << std::string(bytes, 8);
  if (plain.length < 8) {
    EXPECT_EQ(fast.value, plain.value) << std::string(bytes, 8);
  }
}

// Every byte value ends a run of every length, with the bytes after it as
// high as they go, so that a carry out of one of them would show; the bytes
// are unsigned or not on the host alike.
TEST(decimal, digit_run_ends_at_any_byte) {
  for (int length = 0; length < 8; ++length) {
    for (int b = 0; b < 256; ++b) {
      char bytes[8];
      for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>(i < length ? '9' - i : 0xFF);
      bytes[length] = static_cast<char>(b);
      expect_same_run(bytes);
      std::memset(bytes + length + 1, '7', static_cast<std::size_t>(7 - length));
      expect_same_run(bytes);
    }
  }
  expect_same_run({'1', '2', '3', '4', '5', '6', '7', '8'});
  expect_same_run({'0', '0', '0', '0', '0', '0', '0', '0'});
}

void expect_printf_text(std::int32_t v) {
  char expected[16];
  std::snprintf(expected, sizeof expected, "%d", static_cast<int>(v));
  char out[16];
  const char* end = write_decimal(out, v);
  EXPECT_EQ(std::string(out, static_cast<std::size_t>(end - out)), expected);
}

// Every length, its edges and both signs.
TEST(decimal, write_decimal_as_printf) {
  for (std::int64_t bound = 1; bound <= 10000000000; bound *= 10) {
    for (std::int64_t v : {bound - 1, bound, bound + 1}) {
      if (v > INT32_MAX) v = INT32_MAX;
      expect_printf_text(static_cast<std::int32_t>(v));
      expect_printf_text(static_cast<std::int32_t>(-v));
    }
  }
  expect_printf_text(INT32_MIN);
  std::mt19937 random(3);
  for (int n = 0; n < 100000; ++n) {
    expect_printf_text(static_cast<std::int32_t>(random() >> (random() % 32)));
  }
}

}  // namespace
}  // namespace vantrel
