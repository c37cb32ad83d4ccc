#include "app/set_name_register.h"

#include <cstdlib>
#include <cstring>

#include "output/inp_text.h"
#include "support/system_seam.h"

namespace vantrel {

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// FNV-1a over the bytes of `text` and its terminator, each through `fold`.
template <typename fold_fn>
std::uint64_t add_to_hash(std::uint64_t hash, const char* text, fold_fn fold) {
  for (const char* p = text;; ++p) {
    hash = (hash ^ static_cast<unsigned char>(fold(*p))) * 1099511628211u;
    if (*p == '\0') return hash;
  }
}

}  // namespace

set_name_register::~set_name_register() {
  for (std::size_t i = 0; i < capacity_; ++i) std::free(slots_[i]);
  std::free(slots_);
}

std::uint64_t set_name_register::key_hash(const char* name, const char* destination) {
  const std::uint64_t hash = add_to_hash(14695981039346656037u, name, upper);
  return add_to_hash(hash, destination, [](char c) { return c; });
}

bool set_name_register::grow() {
  const std::size_t capacity = capacity_ == 0 ? 16 : capacity_ * 2;
  if (capacity > static_cast<std::size_t>(-1) / sizeof(record*)) return false;
  auto** slots = static_cast<record**>(allocate_storage(capacity * sizeof(record*)));
  if (slots == nullptr) return false;
  std::memset(slots, 0, capacity * sizeof(record*));
  for (std::size_t i = 0; i < capacity_; ++i) {
    if (slots_[i] == nullptr) continue;
    std::size_t at = slots_[i]->hash & (capacity - 1);
    while (slots[at] != nullptr) at = (at + 1) & (capacity - 1);
    slots[at] = slots_[i];
  }
  std::free(slots_);
  slots_ = slots;
  capacity_ = capacity;
  return true;
}

const set_name_register::entry* set_name_register::find_or_add(const char* name,
                                                               const char* destination,
                                                               const char* source) {
  const std::uint64_t hash = key_hash(name, destination);
  std::size_t at = 0;
  if (capacity_ != 0) {
    for (at = hash & (capacity_ - 1); slots_[at] != nullptr; at = (at + 1) & (capacity_ - 1)) {
      const record* r = slots_[at];
      if (r->hash == hash && same_set_name(r->view.name, name) &&
          std::strcmp(r->destination, destination) == 0) {
        return &r->view;
      }
    }
  }
  // At most half the slots are taken, so every probe ends at a free slot.
  if (2 * (count_ + 1) > capacity_) {
    if (!grow()) return nullptr;
    at = hash & (capacity_ - 1);
    while (slots_[at] != nullptr) at = (at + 1) & (capacity_ - 1);
  }
  const std::size_t name_size = std::strlen(name) + 1;
  const std::size_t destination_size = std::strlen(destination) + 1;
  const std::size_t source_size = std::strlen(source) + 1;
  auto* r = static_cast<record*>(
      allocate_storage(sizeof(record) + name_size + destination_size + source_size));
  if (r == nullptr) return nullptr;
  char* text = reinterpret_cast<char*>(r + 1);
  r->view.name = static_cast<const char*>(std::memcpy(text, name, name_size));
  r->destination =
      static_cast<const char*>(std::memcpy(text + name_size, destination, destination_size));
  r->view.source = static_cast<const char*>(
      std::memcpy(text + name_size + destination_size, source, source_size));
  r->hash = hash;
  slots_[at] = r;
  ++count_;
  return nullptr;
}

}  // namespace vantrel
