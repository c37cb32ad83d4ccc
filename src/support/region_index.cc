#include "support/region_index.h"

#include "support/pair_array.h"

namespace vantrel {

namespace {

// The dense array is used while it takes at most this many ids per record,
// so its size stays within a small multiple of the hash table's.
constexpr std::int64_t ids_per_record = 8;
constexpr std::int64_t dense_slack = 1 << 16;

}  // namespace

std::uint32_t region_index::hash(std::int32_t surface) {
  // Fibonacci hashing spreads consecutive surface ids over the table.
  std::uint32_t h = static_cast<std::uint32_t>(surface) * 0x9E3779B1u;
  return h ^ (h >> 15);
}

void region_index::build(const pair_array& table, std::int32_t count) {
  dense_ = false;
  dense_regions_.clear();
  dense_present_.clear();
  slots_.clear();
  mask_ = 0;
  used_ = 0;
  if (!build_dense(table, count)) build_hashed(table, count);
}

bool region_index::build_dense(const pair_array& table, std::int32_t count) {
  std::int64_t lowest = INT32_MAX;
  std::int64_t highest = INT32_MIN;
  for (std::int32_t k = 0; k < count; ++k) {
    const std::int32_t surface = table.at(k).surface_id;
    if (surface == 0) continue;
    if (surface < lowest) lowest = surface;
    if (surface > highest) highest = surface;
  }
  if (lowest > highest) return false;
  const std::int64_t range = highest - lowest + 1;
  if (range > ids_per_record * count + dense_slack) return false;

  dense_ = true;
  lowest_ = lowest;
  dense_regions_.assign(static_cast<std::size_t>(range), 0);
  dense_present_.assign(static_cast<std::size_t>((range + 63) / 64), 0);
  for (std::int32_t k = 0; k < count; ++k) {
    const pair_record& record = table.at(k);
    if (record.surface_id == 0) continue;
    const auto i = static_cast<std::size_t>(record.surface_id - lowest_);
    const std::uint64_t bit = 1ull << (i % 64);
    if (dense_present_[i / 64] & bit) continue;  // the first record of a surface wins
    dense_present_[i / 64] |= bit;
    dense_regions_[i] = record.region_id;
    ++used_;
  }
  return true;
}

void region_index::build_hashed(const pair_array& table, std::int32_t count) {
  std::uint32_t size = 16;
  while (size < static_cast<std::uint32_t>(count) * 2u) size *= 2;
  slots_.assign(size, slot{0, 0});
  mask_ = size - 1;
  for (std::int32_t k = 0; k < count; ++k) {
    const pair_record& record = table.at(k);
    if (record.surface_id == 0) continue;
    std::uint32_t i = hash(record.surface_id) & mask_;
    while (slots_[i].surface != 0 && slots_[i].surface != record.surface_id) i = (i + 1) & mask_;
    if (slots_[i].surface == 0) {  // a later record of the same surface never replaces the first
      slots_[i] = slot{record.surface_id, record.region_id};
      ++used_;
    }
  }
}

bool region_index::find(std::int32_t surface, std::int32_t& region) const {
  if (surface == 0 || used_ == 0) return false;
  if (dense_) {
    const std::int64_t offset = surface - lowest_;
    if (offset < 0 || offset >= static_cast<std::int64_t>(dense_regions_.size())) return false;
    const auto i = static_cast<std::size_t>(offset);
    if ((dense_present_[i / 64] >> (i % 64) & 1) == 0) return false;
    region = dense_regions_[i];
    return true;
  }
  for (std::uint32_t i = hash(surface) & mask_;; i = (i + 1) & mask_) {
    const slot& s = slots_[i];
    if (s.surface == surface) {
      region = s.region;
      return true;
    }
    if (s.surface == 0) return false;
  }
}

}  // namespace vantrel
