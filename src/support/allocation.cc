#include "support/allocation.h"

#include <cstdlib>

namespace vantrel {
namespace {

allocate_fn installed = std::malloc;

}  // namespace

void* allocate_storage(std::size_t n) { return installed(n); }

allocate_fn set_allocator(allocate_fn fn) {
  allocate_fn previous = installed;
  installed = fn != nullptr ? fn : std::malloc;
  return previous;
}

}  // namespace vantrel
