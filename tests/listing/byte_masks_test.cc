#include "listing/byte_masks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

using namespace vantrel;

// The portable masks, checked on their own, bit by bit.
TEST(byte_masks, portable_masks_mark_each_byte) {
  // 16 bytes and the literal's own terminator.
  const char text[] =
      "\x01 7\t\n\r-a\x20\x21\xff\x80"
      "b\x00 \n";
  const std::uint32_t blanks = portable_masks::bytes_equal(text, ' ');
  const std::uint32_t feeds = portable_masks::bytes_equal(text, '\n');
  const std::uint32_t low = portable_masks::bytes_up_to_blank(text);
  EXPECT_EQ(blanks, (1u << 1) | (1u << 8) | (1u << 14));
  EXPECT_EQ(feeds, (1u << 4) | (1u << 15));
  // Bytes at or below 0x20; 0x80 and 0xff are high, not negative.
  EXPECT_EQ(low, 0x1u | 0x2u | 0x8u | 0x10u | 0x20u | 0x100u | 0x2000u | 0x4000u | 0x8000u);
  // Blank, tab, LF, CR and NUL end words; the other control bytes do not.
  EXPECT_EQ(portable_masks::bytes_ending_words(text),
            0x2u | 0x8u | 0x10u | 0x20u | 0x100u | 0x2000u | 0x4000u | 0x8000u);
  EXPECT_EQ(portable_masks::lowest_bit(1u << 9), 9);
  EXPECT_EQ(portable_masks::lowest_bit(0x8000u | 0x10u), 4);
}

// The masks that the build uses give what the portable ones give, on every
// byte value in every position.
TEST(byte_masks, the_build_s_masks_equal_the_portable_ones) {
  std::mt19937 random(7);
  char block[mask_width];
  for (int round = 0; round < 20000; ++round) {
    for (char& c : block) {
      // Mostly the bytes the scans look for, so that every mask gets bits.
      const unsigned pick = random() % 8;
      c = pick < 2   ? ' '
          : pick < 3 ? '\n'
          : pick < 4 ? '\t'
          : pick < 5 ? '\r'
                     : static_cast<char>(random() % 256);
    }
    for (char c : {' ', '\n', '\t', '\0', '\xff'}) {
      ASSERT_EQ(byte_masks::bytes_equal(block, c), portable_masks::bytes_equal(block, c));
    }
    const std::uint32_t low = portable_masks::bytes_up_to_blank(block);
    ASSERT_EQ(byte_masks::bytes_up_to_blank(block), low);
    ASSERT_EQ(byte_masks::bytes_ending_words(block), portable_masks::bytes_ending_words(block));
    if (low != 0) {
      ASSERT_EQ(byte_masks::lowest_bit(low), portable_masks::lowest_bit(low));
    }
  }
}

}  // namespace
