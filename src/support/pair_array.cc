#include "support/pair_array.h"

#include <cstdlib>
#include <cstring>

#include "support/system_seam.h"

namespace vantrel {

pair_array::~pair_array() { std::free(data_); }

bool pair_array::resize(std::int32_t n) {
  if (n <= size_) {
    size_ = n < 0 ? 0 : n;
    return true;
  }
  auto* block = static_cast<pair_record*>(
      allocate_storage(static_cast<std::size_t>(n) * sizeof(pair_record)));
  if (block == nullptr) return false;
  if (size_ > 0) std::memcpy(block, data_, static_cast<std::size_t>(size_) * sizeof(pair_record));
  std::free(data_);
  data_ = block;
  size_ = n;
  return true;
}

}  // namespace vantrel
