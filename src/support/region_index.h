#ifndef VANTREL_SUPPORT_REGION_INDEX_H
#define VANTREL_SUPPORT_REGION_INDEX_H

#include <cstddef>
#include <cstdint>

#include "support/pair_array.h"

namespace vantrel {

// Answers "the region of the first record, in load order, that names this
// surface" without a scan of the whole table. Built once from the loaded
// records; owns a copy of what it needs. No set of ids can slow it down:
// building takes O(n log n) at worst and a look-up O(log n).
class region_index {
 public:
  region_index() = default;
  ~region_index();
  region_index(const region_index&) = delete;
  region_index& operator=(const region_index&) = delete;

  // Indexes records 0 to count - 1 of `table`; the earliest record of a
  // surface wins. Records with surface 0 are never looked up and are left
  // out. Returns false, leaving the index empty, when its storage cannot be
  // had.
  bool build(const pair_array& table, std::int32_t count);

  // Stores the region of `surface` in `region` and returns true, or returns
  // false when no record names it. `surface` 0 has no answer.
  bool find(std::int32_t surface, std::int32_t& region) const;

 private:
  void clear();
  bool build_dense(const pair_array& table, std::int32_t count, std::int64_t lowest,
                   std::int64_t highest);
  bool build_sorted(const pair_array& table, std::int32_t count);

  // Surface ids that fill their range well, the usual numbering of a model,
  // are answered from an array indexed by the id: a listing's surfaces come
  // in id order, so the look-ups walk through memory instead of jumping.
  // Any other set of ids is kept sorted and searched by halving.
  std::int64_t lowest_ = 0;
  std::size_t dense_size_ = 0;  // ids from lowest_ on; 0 when not dense
  std::int32_t* dense_regions_ = nullptr;
  std::uint64_t* dense_present_ = nullptr;  // one bit per id

  pair_record* sorted_ = nullptr;  // one record per surface, by surface id
  std::int32_t sorted_count_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_SUPPORT_REGION_INDEX_H
