#include "listing/input_stream.h"

#include <cstdlib>
#include <cstring>

#include "support/system_seam.h"

namespace vantrel {

input_stream::input_stream(std::size_t chunk_size)
    : chunk_(nullptr), chunk_size_(chunk_size == 0 ? 1 : chunk_size) {
  // Room for a NUL after a last line that fills the chunk, and the padding
  // behind it. Only the bytes behind the data are zeroed, each time the
  // data ends somewhere new, so that the scans past a line's end never meet
  // bytes that were not written, while the pages of a chunk that a small
  // input never reaches are never touched.
  static_assert(chunk_padding >= scan_padding, "a line's padding lies in the chunk's room");
  chunk_ = allocate_chunk();
  next_ = end_ = chunk_;
}

input_stream::~input_stream() { free_chunk(chunk_); }

char* input_stream::allocate_chunk() const {
  auto* block =
      static_cast<char*>(allocate_storage(chunk_headroom + chunk_size_ + 1 + chunk_padding));
  return block == nullptr ? nullptr : block + chunk_headroom;
}

void input_stream::free_chunk(char* chunk) {
  if (chunk != nullptr) std::free(chunk - chunk_headroom);
}

char* input_stream::swap_chunk(char*, const char*, std::size_t, std::size_t&, bool&) {
  return nullptr;
}

void input_stream::reset_state() {
  next_ = end_ = chunk_;
  eof_ = fail_ = bad_ = false;
}

bool input_stream::refill() {
  // Everything buffered has been consumed: the whole chunk is read anew.
  next_ = end_;
  return pull();
}

void input_stream::skip_white_space() {
  if (!good()) return;
  for (;;) {
    char* p = skip_white_space_in_chunk(next_);
    while (p != end_ && is_white_space(*p)) ++p;
    next_ = p;
    if (p != end_ || !refill()) return;
  }
}

void input_stream::get_line(char* out, std::size_t limit) {
  std::size_t stored = 0;
  if (!good()) {
    fail_ = true;
  } else {
    while (stored < limit) {
      if (next_ == end_ && !refill()) {
        if (stored == 0) fail_ = true;
        break;
      }
      std::size_t room = limit - stored;
      std::size_t available = static_cast<std::size_t>(end_ - next_);
      std::size_t span = available < room ? available : room;
      const void* feed = std::memchr(next_, '\n', span);
      if (feed != nullptr) {
        std::size_t n = static_cast<std::size_t>(static_cast<const char*>(feed) - next_);
        std::memcpy(out + stored, next_, n);
        stored += n;
        next_ += n + 1;
        break;
      }
      std::memcpy(out + stored, next_, span);
      stored += span;
      next_ += span;
    }
  }
  out[stored] = '\0';
}

bool input_stream::pull() {
  if (chunk_ == nullptr) {
    bad_ = true;
    return false;
  }
  const std::size_t kept = static_cast<std::size_t>(end_ - next_);
  if (kept >= chunk_size_) return false;
  if (kept <= chunk_headroom) {
    std::size_t n = 0;
    bool error = false;
    if (char* next_chunk = swap_chunk(chunk_, next_, kept, n, error)) {
      chunk_ = next_chunk;
      next_ = next_chunk - kept;
      end_ = next_chunk + (n < chunk_size_ ? n : chunk_size_);
      clear_behind_data();
      return bytes_came(n, error);
    }
  }
  std::memmove(chunk_, next_, kept);
  next_ = chunk_;
  end_ = chunk_ + kept;
  clear_behind_data();
  bool error = false;
  const std::size_t room = chunk_size_ - kept;
  std::size_t n = fill(chunk_ + kept, room, error);
  if (!bytes_came(n, error)) return false;
  end_ += n < room ? n : room;
  clear_behind_data();
  return true;
}

bool input_stream::bytes_came(std::size_t n, bool error) {
  // A failed fill counts as a failure whatever it delivered.
  if (error) {
    bad_ = true;
    return false;
  }
  if (n == 0) eof_ = true;
  return n != 0;
}

void input_stream::clear_behind_data() {
  if (chunk_ != nullptr) std::memset(end_, 0, 1 + chunk_padding);
}

char* input_stream::take_line(char* spare, std::size_t limit) {
  if (good()) {
    for (;;) {
      const std::size_t available = static_cast<std::size_t>(end_ - next_);
      const std::size_t span = available < limit ? available : limit;
      char* feed = static_cast<char*>(std::memchr(next_, '\n', span));
      if (feed != nullptr) {
        *feed = '\0';
        char* line = next_;
        next_ = feed + 1;
        return line;
      }
      // A piece of `limit` bytes ends without its line feed: get_line cuts it.
      if (available >= limit) break;
      if (!pull()) {
        if (good()) break;  // the line is longer than the buffer
        // The input ends (or failed) inside the line: what came is the line.
        if (next_ == end_) break;
        char* line = next_;
        *end_ = '\0';
        next_ = end_;
        return line;
      }
    }
  }
  get_line(spare, limit);
  return spare;
}

char* input_stream::next_line_general(char* spare, std::size_t limit) {
  skip_white_space();
  return take_line(spare, limit);
}

}  // namespace vantrel
