#include "platform/memory.h"

#include <cstdlib>

namespace vantrel {

// Large pages on Windows need a privilege that analysts' accounts do not
// hold, and aligned blocks there cannot be freed with std::free.
void* allocate_system_storage(std::size_t n) { return std::malloc(n); }

}  // namespace vantrel
