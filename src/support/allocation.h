#ifndef VANTREL_SUPPORT_ALLOCATION_H
#define VANTREL_SUPPORT_ALLOCATION_H

#include <cstddef>

namespace vantrel {

// The plain allocation under dyn_buffer and pair_array: it returns null
// when no storage can be had, never throws, and its storage is freed with
// std::free. Tests replace it to reach the out-of-storage paths.
using allocate_fn = void* (*)(std::size_t);

// n bytes from the installed allocation, or null.
void* allocate_storage(std::size_t n);

// Installs `fn` (null restores std::malloc) and returns the previous one.
allocate_fn set_allocator(allocate_fn fn);

// How many requests allocate_storage could not satisfy since the program
// began. A caller that builds several objects compares it before and after
// instead of asking each object whether it got its storage.
std::size_t refused_requests();

}  // namespace vantrel

#endif  // VANTREL_SUPPORT_ALLOCATION_H
