#include "support/pair_array.h"

#include <cstdlib>
#include <cstring>

#include "support/allocation.h"

namespace vantrel {

namespace {

pair_record* allocate_records(std::int32_t n) {
  return static_cast<pair_record*>(
      allocate_storage(static_cast<std::size_t>(n) * sizeof(pair_record)));
}

}  // namespace

pair_array::pair_array(std::int32_t n) {
  if (n <= 0) return;
  data_ = allocate_records(n);
  if (data_ != nullptr) capacity_ = n;
}

pair_array::~pair_array() { std::free(data_); }

bool pair_array::resize(std::int32_t n) {
  // Growing compares with the size in use, not the capacity, and always
  // takes a block of exactly n records.
  if (n > size_) {
    pair_record* block = allocate_records(n);
    if (block == nullptr) return false;
    if (size_ > 0) std::memcpy(block, data_, static_cast<std::size_t>(size_) * sizeof(pair_record));
    std::free(data_);
    data_ = block;
    capacity_ = n;
  }
  size_ = n < 0 ? 0 : n;
  return true;
}

}  // namespace vantrel
