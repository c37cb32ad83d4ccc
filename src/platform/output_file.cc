#include "platform/output_file.h"

#include <cstdio>

#include "platform/speed_levers.h"
#include "support/system_seam.h"

namespace vantrel {

output_file::~output_file() {
  if (file_ != nullptr) close();
}

bool output_file::open_at_end(const char* name) { return open_with(name, write_mode::appended); }

bool output_file::open_kept(const char* name) { return open_with(name, write_mode::kept); }

bool output_file::empty() { return file_ != nullptr && empty_file(file_); }

bool output_file::identity(file_identity& identity) const {
  return file_ != nullptr && identity_of(file_, identity);
}

bool output_file::close() {
  if (file_ == nullptr) {
    mark_failed();
    return false;
  }
  bool ok = flush();
  if (std::fclose(file_) != 0) ok = false;
  file_ = nullptr;
  delivered_ = false;
  reset_state();
  return ok;
}

bool output_file::deliver(const char* data, std::size_t n) {
  if (file_ == nullptr) return false;
  if (speed_levers && delivered_) return writer_.write(file_, data, n);
  delivered_ = true;
  return write_bytes(file_, data, n) == n;
}

bool output_file::settle() { return writer_.finish(); }

bool output_file::open_with(const char* name, write_mode mode) {
  if (file_ != nullptr) close();
  reset_state();
  created_ = false;
  // Without its buffer the stream could write nothing: the file is not
  // even created.
  file_ = name == nullptr || !has_buffer() ? nullptr : open_for_writing(name, mode, &created_);
  if (file_ == nullptr) {
    mark_failed();
    return false;
  }
  name_ = name;
  // The stream buffers already; without a second buffer in the C library a
  // write error such as a full disk is reported by the delivery that meets it.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  return true;
}

}  // namespace vantrel
