#ifndef VANTREL_SUPPORT_REGION_INDEX_H
#define VANTREL_SUPPORT_REGION_INDEX_H

#include <cstdint>
#include <vector>

namespace vantrel {

class pair_array;

// Answers "the region of the first record, in load order, that names this
// surface" in constant time instead of a scan of the whole table. Built once
// from the loaded records; owns a copy of what it needs.
class region_index {
 public:
  region_index() = default;

  // Indexes records 0 to count - 1 of `table`; the earliest record of a
  // surface wins. Records with surface 0 are never looked up and are left
  // out.
  void build(const pair_array& table, std::int32_t count);

  // Stores the region of `surface` in `region` and returns true, or returns
  // false when no record names it. `surface` 0 has no answer.
  bool find(std::int32_t surface, std::int32_t& region) const;

  bool empty() const { return used_ == 0; }

 private:
  struct slot {
    std::int32_t surface;  // 0 marks a free slot
    std::int32_t region;
  };
  static std::uint32_t hash(std::int32_t surface);
  bool build_dense(const pair_array& table, std::int32_t count);
  void build_hashed(const pair_array& table, std::int32_t count);

  // Surface ids that fill their range well, the usual numbering of a model,
  // are answered from an array indexed by the id: a listing's surfaces come
  // in id order, so the look-ups walk through memory instead of jumping.
  // Any other set of ids goes into an open-addressing hash table.
  bool dense_ = false;
  std::int64_t lowest_ = 0;
  std::vector<std::int32_t> dense_regions_;
  std::vector<std::uint64_t> dense_present_;  // one bit per id from lowest_

  std::vector<slot> slots_;
  std::uint32_t mask_ = 0;
  std::uint32_t used_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_SUPPORT_REGION_INDEX_H
