#include "platform/memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace vantrel {
namespace {

// Small and large blocks alike hold every byte asked for and go back with
// std::free, which is how every owner in the program releases them.
TEST(memory, blocks_hold_what_was_asked_and_are_freed_with_free) {
  for (std::size_t n : {std::size_t{1}, std::size_t{4096}, (std::size_t{1} << 18) - 1,
                        std::size_t{1} << 18, std::size_t{1} << 20, (std::size_t{3} << 20) + 7}) {
    auto* block = static_cast<unsigned char*>(allocate_system_storage(n));
    ASSERT_NE(nullptr, block) << n;
    std::memset(block, 0xa5, n);
    EXPECT_EQ(0xa5, block[0]);
    EXPECT_EQ(0xa5, block[n - 1]);
    std::free(block);
  }
}

// A size so large that rounding it up to whole pages would wrap around is
// refused instead of giving a block smaller than asked.
TEST(memory, a_size_near_the_limit_is_refused) {
  EXPECT_EQ(nullptr, allocate_system_storage(SIZE_MAX));
  EXPECT_EQ(nullptr, allocate_system_storage(SIZE_MAX - 4096));
}

}  // namespace
}  // namespace vantrel
