#include "listing/input_file.h"

#include <cstring>

#include "platform/file_system.h"
#include "platform/speed_levers.h"
#include "support/system_seam.h"

namespace vantrel {
namespace {

void lines_end_at_carriage_returns(char* buffer, std::size_t n) {
  for (char* p = buffer; (p = static_cast<char*>(std::memchr(p, '\r', n - (p - buffer))));) {
    *p++ = '\n';
  }
}

}  // namespace

input_file::input_file(std::size_t chunk_size) : input_stream(chunk_size) {}

input_file::~input_file() {
  close();
  free_chunk(ahead_);
}

bool input_file::open(const char* name) {
  if (file_ != nullptr || name == nullptr) {
    fail_ = true;
    return false;
  }
  file_ = open_for_reading(name);
  if (file_ == nullptr) {
    fail_ = true;
    return false;
  }
  // The stream reads whole chunks itself; a second buffer in the C library
  // would only add a copy.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  reset_state();
  take_encoding();
  return true;
}

void input_file::take_encoding() {
  utf16_ = false;
  carriage_returns_end_lines_ = false;
  read_failed_ = false;
  // For a small listing, one read takes the whole of it.
  const std::size_t n = read_bytes(file_, head_, sizeof head_, read_failed_);
  pending_ = head_;
  pending_size_ = n;
  const auto byte = [this](std::size_t i) { return static_cast<unsigned char>(head_[i]); };
  if (n >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) {
    pending_ += 3;
    pending_size_ -= 3;
  } else if (n >= 2 &&
             ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF) ||
              ((byte(0) == 0) != (byte(1) == 0)))) {
    // A byte-order mark, or text of one-byte characters in two bytes each.
    utf16_ = true;
  }
  // Files that end their lines in CR alone (old Macintosh text) would
  // otherwise be one long line, cut into pieces at arbitrary places. They
  // are told by more carriage returns without a line feed after them than
  // line feeds; then every carriage return ends a line (one before a line
  // feed only adds an empty line, which the reader passes over).
  std::size_t lone_returns = 0;
  std::size_t feeds = 0;
  for (std::size_t i = 0; i < n; ++i) {
    feeds += head_[i] == '\n';
    lone_returns += head_[i] == '\r' && (i + 1 == n || head_[i + 1] != '\n');
  }
  carriage_returns_end_lines_ = lone_returns > feeds;
  if (carriage_returns_end_lines_) lines_end_at_carriage_returns(head_, n);
}

void input_file::close() {
  if (file_ != nullptr) {
    reader_thread_.wait();
    ahead_pending_ = false;
    std::fclose(file_);
    file_ = nullptr;
  }
  pending_size_ = 0;
  reset_state();
}

std::size_t input_file::read_text(char* buffer, std::size_t capacity, bool& failed) {
  const std::size_t n = read_bytes(file_, buffer, capacity, failed);
  if (carriage_returns_end_lines_) lines_end_at_carriage_returns(buffer, n);
  return n;
}

std::size_t input_file::fill(char* buffer, std::size_t capacity, bool& error) {
  if (file_ == nullptr) return 0;
  take_chunk_read_ahead();
  std::size_t n = pending_size_ < capacity ? pending_size_ : capacity;
  std::memcpy(buffer, pending_, n);
  pending_ += n;
  pending_size_ -= n;
  // Bytes read before an error are delivered; the error shows on the next
  // fill, which reads nothing.
  if (read_failed_) {
    error = n == 0;
  } else if (n < capacity) {
    n += read_text(buffer + n, capacity - n, read_failed_);
    error = n == 0 && read_failed_;
    // A read that took all its room is no small file: the next chunk is
    // read while this one is worked through.
    if (speed_levers && n == capacity) read_ahead();
  }
  return n;
}

char* input_file::swap_chunk(char* used, const char* unread, std::size_t kept, std::size_t& n,
                             bool& error) {
  if (!ahead_pending_) return nullptr;
  reader_thread_.wait();
  ahead_pending_ = false;
  char* const next_chunk = ahead_;
  std::memcpy(next_chunk - kept, unread, kept);
  ahead_ = used;
  n = ahead_count_;
  error = n == 0 && ahead_failed_;
  read_failed_ = ahead_failed_;
  if (n == chunk_size() && !read_failed_) read_ahead();
  return next_chunk;
}

void input_file::take_chunk_read_ahead() {
  if (!ahead_pending_) return;
  reader_thread_.wait();
  ahead_pending_ = false;
  pending_ = ahead_;
  pending_size_ = ahead_count_;
  read_failed_ = ahead_failed_;
}

void input_file::read_ahead() {
  if (ahead_ == nullptr && !ahead_unavailable_) {
    ahead_ = allocate_chunk();
    ahead_unavailable_ = ahead_ == nullptr;
  }
  if (ahead_ == nullptr) return;
  ahead_count_ = 0;
  ahead_failed_ = false;
  ahead_pending_ = reader_thread_.post(fill_ahead, this);
}

void input_file::fill_ahead(void* self) {
  auto* file = static_cast<input_file*>(self);
  file->ahead_count_ = file->read_text(file->ahead_, file->chunk_size(), file->ahead_failed_);
}

}  // namespace vantrel
