#include "support/region_index.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "support/system_seam.h"

namespace vantrel {

namespace {

// The dense array is used while it takes at most this many ids per record,
// so its size stays within a small multiple of the sorted records'.
constexpr std::int64_t ids_per_record = 8;
constexpr std::int64_t dense_slack = 1 << 16;

template <typename T>
T* allocate_array(std::size_t n) {
  return static_cast<T*>(allocate_storage(n * sizeof(T)));
}

bool by_surface(const pair_record& a, const pair_record& b) { return a.surface_id < b.surface_id; }

}  // namespace

region_index::~region_index() { clear(); }

void region_index::clear() {
  std::free(dense_regions_);
  std::free(dense_present_);
  std::free(sorted_);
  dense_regions_ = nullptr;
  dense_present_ = nullptr;
  sorted_ = nullptr;
  dense_size_ = 0;
  sorted_count_ = 0;
}

bool region_index::build(const pair_array& table, std::int32_t count) {
  clear();
  std::int64_t lowest = INT32_MAX;
  std::int64_t highest = INT32_MIN;
  std::int32_t named = 0;
  for (std::int32_t k = 0; k < count; ++k) {
    const std::int32_t surface = table.at(k).surface_id;
    if (surface == 0) continue;
    lowest = std::min<std::int64_t>(lowest, surface);
    highest = std::max<std::int64_t>(highest, surface);
    ++named;
  }
  if (named == 0) return true;
  if (highest - lowest + 1 <= ids_per_record * named + dense_slack) {
    return build_dense(table, count, lowest, highest);
  }
  return build_sorted(table, count);
}

bool region_index::build_dense(const pair_array& table, std::int32_t count, std::int64_t lowest,
                               std::int64_t highest) {
  const auto size = static_cast<std::size_t>(highest - lowest + 1);
  const std::size_t words = (size + 63) / 64;
  dense_regions_ = allocate_array<std::int32_t>(size);
  dense_present_ = allocate_array<std::uint64_t>(words);
  if (dense_regions_ == nullptr || dense_present_ == nullptr) {
    clear();
    return false;
  }
  std::memset(dense_present_, 0, words * sizeof(std::uint64_t));
  lowest_ = lowest;
  dense_size_ = size;
  for (std::int32_t k = 0; k < count; ++k) {
    const pair_record& record = table.at(k);
    if (record.surface_id == 0) continue;
    const auto i = static_cast<std::size_t>(record.surface_id - lowest_);
    const std::uint64_t bit = 1ull << (i % 64);
    if (dense_present_[i / 64] & bit) continue;  // the first record of a surface wins
    dense_present_[i / 64] |= bit;
    dense_regions_[i] = record.region_id;
  }
  return true;
}

bool region_index::build_sorted(const pair_array& table, std::int32_t count) {
  sorted_ = allocate_array<pair_record>(static_cast<std::size_t>(count));
  if (sorted_ == nullptr) return false;
  // Sorted by surface and then by load order, which region_id holds for
  // the moment; the first of each run of a surface is the one that wins.
  std::int32_t n = 0;
  for (std::int32_t k = 0; k < count; ++k) {
    if (table.at(k).surface_id != 0) sorted_[n++] = {k, table.at(k).surface_id};
  }
  std::sort(sorted_, sorted_ + n, [](const pair_record& a, const pair_record& b) {
    return a.surface_id != b.surface_id ? a.surface_id < b.surface_id : a.region_id < b.region_id;
  });
  std::int32_t unique = 0;
  for (std::int32_t k = 0; k < n; ++k) {
    if (unique > 0 && sorted_[unique - 1].surface_id == sorted_[k].surface_id) continue;
    sorted_[unique++] = {table.at(sorted_[k].region_id).region_id, sorted_[k].surface_id};
  }
  sorted_count_ = unique;
  return true;
}

bool region_index::find(std::int32_t surface, std::int32_t& region) const {
  if (surface == 0) return false;
  if (dense_size_ > 0) {
    const std::int64_t offset = surface - lowest_;
    if (offset < 0 || offset >= static_cast<std::int64_t>(dense_size_)) return false;
    const auto i = static_cast<std::size_t>(offset);
    if ((dense_present_[i / 64] >> (i % 64) & 1) == 0) return false;
    region = dense_regions_[i];
    return true;
  }
  const pair_record* begin = sorted_;
  const pair_record* end = begin + sorted_count_;
  const pair_record* hit = std::lower_bound(begin, end, pair_record{0, surface}, by_surface);
  if (hit == end || hit->surface_id != surface) return false;
  region = hit->region_id;
  return true;
}

}  // namespace vantrel
