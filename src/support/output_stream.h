#ifndef VANTREL_SUPPORT_OUTPUT_STREAM_H
#define VANTREL_SUPPORT_OUTPUT_STREAM_H

#include <cstddef>
#include <cstring>

namespace vantrel {

// A buffered text output stream. Every line feed written through write()
// and put() is stored as carriage return + line feed (stored_line_end), and
// nothing else is changed, so a text that already ends in "\r\n" is stored
// as CR CR LF; reserve() takes bytes in the form they are stored in. Once a
// delivery has failed the stream stays failed and further writes have no
// effect.
class output_stream {
 public:
  // The most that reserve() can give: the whole buffer. 256 KiB lets a
  // large output go out in few writes while the memory stays small.
  static constexpr std::size_t max_reserve = 1 << 18;
  // What a line feed is stored as, on every platform.
  static constexpr char stored_line_end[] = "\r\n";

  output_stream();
  virtual ~output_stream();
  output_stream(const output_stream&) = delete;
  output_stream& operator=(const output_stream&) = delete;

  // Writes a NUL-terminated text.
  output_stream& write(const char* text) { return write(text, std::strlen(text)); }
  // Writes n bytes.
  output_stream& write(const char* data, std::size_t n);
  // Writes one character.
  output_stream& put(char c);
  // Room for up to n bytes (n <= max_reserve) in their stored form, straight
  // in the buffer, which delivers what it holds first when the room is
  // short. The caller writes the bytes at the pointer returned and hands
  // their end to commit(); nothing else is written in between. Needs a
  // stream that has its buffer.
  char* reserve(std::size_t n) {
    if (n > capacity_ - used_) drain();
    return buffer_ + used_;
  }
  void commit(const char* end) { used_ = static_cast<std::size_t>(end - buffer_); }
  // Writes a line feed, then flushes.
  void end_line();
  // Hands the buffered bytes to the destination and waits until it has
  // stored everything delivered. Returns !failed().
  bool flush();

  bool failed() const { return failed_; }
  // False when the stream's buffer could not be had: it is then failed for
  // good and writes nothing.
  bool has_buffer() const { return capacity_ != 0; }

 protected:
  // Receives translated bytes. Returns false when they could not all be
  // stored; the stream is then failed.
  virtual bool deliver(const char* data, std::size_t n) = 0;
  // Called by every flush() after the last delivery: a destination that
  // stores deliveries after deliver() has returned waits for them here.
  // Returns false when one of them failed.
  virtual bool settle() { return true; }
  // Drops buffered bytes and clears the failed state, for reuse on the next
  // destination; a stream without its buffer stays failed.
  void reset_state();
  // Drops buffered bytes and puts the stream in the failed state, as for a
  // destination that did not open.
  void mark_failed();

 private:
  static constexpr std::size_t buffer_size = max_reserve;
  // Writes of at most this many bytes are translated inline when the buffer
  // has room for twice as many (every byte may be a line feed).
  static constexpr std::size_t short_write = 32;

  // The general write: translates in bulk and delivers as the buffer fills.
  output_stream& write_long(const char* data, std::size_t n);
  // Appends bytes untranslated, delivering whenever the buffer is full.
  void append_raw(const char* data, std::size_t n);
  // Delivers the buffered bytes, or drops them when the stream has failed.
  void drain();

  char* buffer_;
  std::size_t capacity_;  // buffer_size, or 0 without a buffer
  std::size_t used_ = 0;
  bool failed_ = false;
};

// Short writes and single characters are the engine's common case, so they
// are copied straight into the buffer here; everything else goes through
// write_long. While the stream is failed the bytes still land in the buffer,
// but drain() drops them instead of delivering them.
inline output_stream& output_stream::write(const char* data, std::size_t n) {
  if (n > short_write || capacity_ - used_ < 2 * short_write) return write_long(data, n);
  char* out = buffer_ + used_;
  for (std::size_t i = 0; i < n; ++i) {
    if (data[i] == '\n') *out++ = stored_line_end[0];
    *out++ = data[i];
  }
  used_ = static_cast<std::size_t>(out - buffer_);
  return *this;
}

inline output_stream& output_stream::put(char c) {
  if (capacity_ - used_ < 2) return write_long(&c, 1);
  if (c == '\n') buffer_[used_++] = stored_line_end[0];
  buffer_[used_++] = c;
  return *this;
}

}  // namespace vantrel

#endif  // VANTREL_SUPPORT_OUTPUT_STREAM_H
