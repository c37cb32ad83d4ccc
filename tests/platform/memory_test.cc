#include "platform/memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace vantrel {
namespace {

// Small and large blocks alike hold every byte asked for and go back with
// std::free, as every owner in the program releases them; a size so large
// that rounding it up to whole pages would wrap around is refused.
TEST(memory, blocks_hold_what_was_asked_and_are_freed_with_free) {
  for (std::size_t n : {std::size_t{1}, (std::size_t{1} << 18) - 1, (std::size_t{3} << 20) + 7}) {
    auto* block = static_cast<unsigned char*>(allocate_system_storage(n));
    ASSERT_NE(nullptr, block) << n;
    std::memset(block, 0xa5, n);
    EXPECT_EQ(0xa5, block[n - 1]);
    std::free(block);
  }
  EXPECT_EQ(nullptr, allocate_system_storage(SIZE_MAX - 4096));
}

}  // namespace
}  // namespace vantrel
