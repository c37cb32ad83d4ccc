#include "support/dyn_buffer.h"

#include <cstdlib>
#include <cstring>

#include "support/system_seam.h"

namespace vantrel {

namespace {

constexpr char long_notice[] = "MEMORY FAILURE IN dyn_buffer";
constexpr char short_notice[] = "mFAIL";

}  // namespace

dyn_buffer::dyn_buffer(std::uint32_t n) {
  // A zero size would give a zero step, with which the buffer could never grow.
  if (n == 0) return;
  step_ = n;
  char* storage = static_cast<char*>(allocate_storage(n));
  if (storage == nullptr) return;
  storage[0] = '\0';
  text_ = end_ = storage;
  capacity_ = room_ = n;
}

dyn_buffer::~dyn_buffer() { std::free(text_); }

bool dyn_buffer::grow(std::uint64_t growth) {
  std::uint64_t size = capacity_ + growth;
  if (size > UINT32_MAX) return false;
  char* storage = static_cast<char*>(allocate_storage(static_cast<std::size_t>(size)));
  if (storage == nullptr) return false;
  std::size_t used = length();
  if (text_ != nullptr) {
    std::memcpy(storage, text_, used + 1);
    std::free(text_);
  }
  text_ = storage;
  end_ = storage + used;
  capacity_ = static_cast<std::uint32_t>(size);
  room_ += static_cast<std::uint32_t>(growth);
  return true;
}

dyn_buffer& dyn_buffer::append(const char* s) {
  if (s == nullptr) return *this;
  std::size_t len = std::strlen(s);
  if (len >= room_) {
    // One whole step more than the whole steps in the shortfall, so a run of
    // short appends after the first growth does not move the text again.
    std::uint64_t shortfall = len + 1 - room_;
    if (!grow(step_ * (shortfall / step_ + 1))) {
      failed_ = true;
      // The notice takes the place of s, so it shows where the text is
      // printed.
      const char* notice = room_ >= sizeof long_notice    ? long_notice
                           : room_ >= sizeof short_notice ? short_notice
                                                          : nullptr;
      if (notice != nullptr) {
        std::size_t notice_len = std::strlen(notice);
        std::memcpy(end_, notice, notice_len + 1);
        end_ += notice_len;
        room_ -= static_cast<std::uint32_t>(notice_len);
      }
      return *this;
    }
  }
  std::memcpy(end_, s, len + 1);
  end_ += len;
  room_ -= static_cast<std::uint32_t>(len);
  return *this;
}

dyn_buffer& dyn_buffer::append_char(char c) {
  if (room_ < 2 && !grow(step_)) {
    failed_ = true;
    return *this;
  }
  --room_;
  *end_++ = c;
  *end_ = '\0';
  return *this;
}

dyn_buffer& dyn_buffer::assign(const char* s) {
  // Emptying first keeps the text terminated when the append cannot grow.
  failed_ = false;
  end_ = text_;
  if (end_ != nullptr) {
    *end_ = '\0';
    room_ = capacity_;
  }
  return append(s != nullptr ? s : "");
}

dyn_buffer& dyn_buffer::truncate_at(const char* pos) {
  end_ = const_cast<char*>(pos);
  *end_ = '\0';
  room_ = capacity_ - static_cast<std::uint32_t>(length());
  return *this;
}

}  // namespace vantrel
