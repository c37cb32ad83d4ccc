#ifndef VANTREL_PLATFORM_MEMORY_H
#define VANTREL_PLATFORM_MEMORY_H

#include <cstddef>

namespace vantrel {

// The allocation for the whole program: n bytes, or null when no storage
// can be had; freed with std::free. A large block, such as the index of a
// big lookup table, is placed where the system can back it with large
// pages: touching it for the first time then costs a few page faults
// instead of one for every 4 KiB.
void* allocate_system_storage(std::size_t n);

}  // namespace vantrel

#endif  // VANTREL_PLATFORM_MEMORY_H
