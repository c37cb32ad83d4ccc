#include "support/output_stream.h"

#include <cstdlib>
#include <cstring>

#include "support/system_seam.h"

namespace vantrel {

output_stream::output_stream()
    : buffer_(static_cast<char*>(allocate_storage(buffer_size))),
      capacity_(buffer_ != nullptr ? buffer_size : 0),
      failed_(buffer_ == nullptr) {}

output_stream::~output_stream() { std::free(buffer_); }

output_stream& output_stream::write_long(const char* data, std::size_t n) {
  // Copy the runs between line feeds in bulk; only the line feeds themselves
  // need the inserted carriage return.
  while (n > 0) {
    const void* lf = std::memchr(data, '\n', n);
    if (lf == nullptr) {
      append_raw(data, n);
      break;
    }
    const std::size_t run = static_cast<std::size_t>(static_cast<const char*>(lf) - data);
    append_raw(data, run);
    append_raw(stored_line_end, sizeof stored_line_end - 1);
    data += run + 1;
    n -= run + 1;
  }
  return *this;
}

void output_stream::end_line() {
  put('\n');
  flush();
}

bool output_stream::flush() {
  drain();
  // Also after a failure: nothing may still be on its way once this returns.
  if (!settle()) failed_ = true;
  return !failed_;
}

void output_stream::reset_state() {
  used_ = 0;
  failed_ = !has_buffer();
}

void output_stream::mark_failed() {
  used_ = 0;
  failed_ = true;
}

void output_stream::append_raw(const char* data, std::size_t n) {
  while (n > 0) {
    if (used_ == capacity_) drain();
    if (used_ == 0 && n >= capacity_) {
      // A run at least as large as the buffer goes out without being copied.
      if (!failed_ && !deliver(data, n)) failed_ = true;
      return;
    }
    const std::size_t room = capacity_ - used_;
    const std::size_t take = n < room ? n : room;
    std::memcpy(buffer_ + used_, data, take);
    used_ += take;
    data += take;
    n -= take;
  }
}

void output_stream::drain() {
  if (used_ > 0 && !failed_ && !deliver(buffer_, used_)) failed_ = true;
  used_ = 0;
}

}  // namespace vantrel
