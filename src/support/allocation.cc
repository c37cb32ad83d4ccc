#include "support/allocation.h"

#include <atomic>
#include <cstdlib>

namespace vantrel {
namespace {

allocate_fn installed = std::malloc;
std::atomic<std::size_t> refused{0};

}  // namespace

void* allocate_storage(std::size_t n) {
  void* storage = installed(n);
  if (storage == nullptr && n != 0) refused.fetch_add(1, std::memory_order_relaxed);
  return storage;
}

std::size_t refused_requests() { return refused.load(std::memory_order_relaxed); }

allocate_fn set_allocator(allocate_fn fn) {
  allocate_fn previous = installed;
  installed = fn != nullptr ? fn : std::malloc;
  return previous;
}

}  // namespace vantrel
