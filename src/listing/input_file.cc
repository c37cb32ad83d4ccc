#include "listing/input_file.h"

#include <cstring>

#include "platform/file_system.h"

namespace vantrel {

input_file::input_file() { allow_reading_ahead(); }

input_file::~input_file() { close(); }

bool input_file::open() {
  const char* name = file_name.c_str();
  // A name that could not be made whole may name another file.
  if (file_ != nullptr || name == nullptr || !file_name.complete()) {
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
  char head[4096];
  bool error = false;
  const std::size_t n = read_head(file_, head, sizeof head, error);
  if (error) {
    bad_ = true;  // reported like any read error
    return;
  }
  const auto byte = [&head](std::size_t i) { return static_cast<unsigned char>(head[i]); };
  long text_start = 0;
  if (n >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) {
    text_start = 3;
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
    feeds += head[i] == '\n';
    lone_returns += head[i] == '\r' && (i + 1 == n || head[i + 1] != '\n');
  }
  carriage_returns_end_lines_ = lone_returns > feeds;
  if (text_start != 0 && std::fseek(file_, text_start, SEEK_SET) != 0) bad_ = true;
}

void input_file::close() {
  if (file_ != nullptr) {
    stop_reading_ahead();
    std::fclose(file_);
    file_ = nullptr;
  }
  reset_state();
}

std::size_t input_file::fill(char* buffer, std::size_t capacity, bool& error) {
  if (file_ == nullptr) return 0;
  std::size_t n = std::fread(buffer, 1, capacity, file_);
  // Bytes read before an error are delivered; the error shows on the next
  // call, which reads nothing.
  if (n == 0 && std::ferror(file_)) error = true;
  if (carriage_returns_end_lines_) {
    for (char* p = buffer; (p = static_cast<char*>(std::memchr(p, '\r', n - (p - buffer))));) {
      *p++ = '\n';
    }
  }
  return n;
}

}  // namespace vantrel
