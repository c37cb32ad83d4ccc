#include "support/region_index.h"

#include "support/pair_array.h"

namespace vantrel {

std::uint32_t region_index::hash(std::int32_t surface) {
  // Fibonacci hashing spreads consecutive surface ids over the table.
  std::uint32_t h = static_cast<std::uint32_t>(surface) * 0x9E3779B1u;
  return h ^ (h >> 15);
}

void region_index::build(const pair_array& table, std::int32_t count) {
  std::uint32_t size = 16;
  while (size < static_cast<std::uint32_t>(count) * 2u) size *= 2;
  slots_.assign(size, slot{0, 0});
  mask_ = size - 1;
  used_ = 0;
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
