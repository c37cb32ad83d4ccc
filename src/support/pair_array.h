#ifndef VANTREL_SUPPORT_PAIR_ARRAY_H
#define VANTREL_SUPPORT_PAIR_ARRAY_H

#include <cstddef>
#include <cstdint>

namespace vantrel {

// One surface-to-region record of the lookup table. Records that nobody
// has written hold indeterminate values.
struct pair_record {
  std::int32_t region_id;
  std::int32_t surface_id;
};

// A heap block of pair_records that owns its block; empty at first.
class pair_array {
 public:
  pair_array() = default;
  ~pair_array();
  pair_array(const pair_array&) = delete;
  pair_array& operator=(const pair_array&) = delete;

  // n > size: a new block of exactly n records holding the records in use.
  // Otherwise the size drops to n (negative counts as 0) and the block stays.
  // Returns false, changing nothing, when the storage cannot be had.
  bool resize(std::int32_t n);

  // The record at index i; the caller keeps 0 <= i < size().
  pair_record& at(std::int32_t i) { return data_[i]; }
  const pair_record& at(std::int32_t i) const { return data_[i]; }

  std::int32_t size() const { return size_; }

 private:
  pair_record* data_ = nullptr;
  std::int32_t size_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_SUPPORT_PAIR_ARRAY_H
