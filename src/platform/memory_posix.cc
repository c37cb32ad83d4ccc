#include "platform/memory.h"

#include <stdlib.h>
#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

#include "platform/speed_levers.h"

namespace vantrel {
namespace {

// Transparent huge pages on Linux are 2 MiB. Blocks of more than 256 KiB
// (the input's chunks, a lookup table's index) are rounded up to whole huge
// pages: the rest of the last page is reserved address space, and on a
// system without them, memory that is never touched. Where a first touch of
// a small page is slow, as on some virtual machines, one fault for 2 MiB
// instead of 256 for 1 MiB saves milliseconds a run. The output's buffer
// and the copy of it that is written behind, 256 KiB each, keep small
// pages: on large ones they gained less than a tenth, and the copy, which
// only a large output takes, would add a whole large page to the memory.
constexpr std::size_t huge_page = std::size_t{2} << 20;
constexpr std::size_t large_block = (std::size_t{1} << 18) + 1;

}  // namespace

void* allocate_system_storage(std::size_t n) {
  if (!speed_levers || n < large_block) return std::malloc(n);
  if (n > SIZE_MAX - huge_page) return nullptr;
  const std::size_t rounded = (n + huge_page - 1) & ~(huge_page - 1);
  void* block = nullptr;
  if (posix_memalign(&block, huge_page, rounded) != 0) return nullptr;
#ifdef MADV_HUGEPAGE
  // Only advice: where it is refused, the block has ordinary pages.
  madvise(block, rounded, MADV_HUGEPAGE);
#endif
  return block;
}

}  // namespace vantrel
