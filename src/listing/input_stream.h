#ifndef VANTREL_LISTING_INPUT_STREAM_H
#define VANTREL_LISTING_INPUT_STREAM_H

#include <cstddef>
#include <cstdint>

#include "listing/byte_masks.h"

namespace vantrel {

// A buffered, untranslated byte source with the state indications the
// listing reader relies on: end of file, failure and error. Concrete streams
// supply the bytes in chunks through fill(); the reader takes them out a line
// at a time, so no call per character reaches the concrete stream.
class input_stream {
 public:
  static constexpr std::size_t default_chunk_size = 1024 * 1024;

  // Reads the input in chunks of up to `chunk_size` bytes (at least 1) into
  // a buffer allocated here for the stream's whole life. Without it the
  // stream reads nothing and shows an error.
  explicit input_stream(std::size_t chunk_size = default_chunk_size);
  virtual ~input_stream();
  input_stream(const input_stream&) = delete;
  input_stream& operator=(const input_stream&) = delete;

  bool eof() const { return eof_; }
  bool fail() const { return fail_; }
  bool bad() const { return bad_; }
  // No indication at all.
  bool good() const { return !eof_ && !fail_ && !bad_; }
  // False when the stream's buffer could not be had: it then reads nothing
  // and shows an error.
  bool has_buffer() const { return chunk_ != nullptr; }

  // Consumes blanks, tabs, LF, VT, FF and CR. Running out of input here sets
  // end of file. Does nothing when the stream already shows an indication.
  void skip_white_space();

  // Stores the bytes of one line into `out`, which has room for `limit` + 1
  // bytes, and terminates them. The line ends at a line feed (consumed, not
  // stored), at the end of the input, or when `limit` bytes are stored (the
  // rest stays unread). Sets failure when the stream already shows an
  // indication (nothing is read) and when the input ends before any byte.
  void get_line(char* out, std::size_t limit);
  // The same line as get_line, but in place: the line feed that ends it is
  // overwritten with a NUL inside the stream's own buffer and the line is
  // not copied. Only a line that does not fit there (over `limit` bytes, or
  // longer than the buffer) is copied into `spare`, as get_line would.
  // Returns the terminated line, valid until the next call on the stream;
  // the bytes after its NUL are readable up to scan_padding further.
  char* take_line(char* spare, std::size_t limit);

  // skip_white_space, then take_line: the next line that the reader takes.
  char* next_line(char* spare, std::size_t limit) {
    // Most lines, their leading blanks included, lie whole in the chunk:
    // they are found here in one pass, inline, without the calls and tests
    // of the two general steps, which take every other case.
    if (good()) {
      char* p = skip_white_space_in_chunk(next_);
      if (p != end_ && !is_white_space(*p)) {
        const std::size_t available = static_cast<std::size_t>(end_ - p);
        char* feed = find_line_feed(p, available < limit ? available : limit);
        if (feed != nullptr) {
          *feed = '\0';
          next_ = feed + 1;
          return p;
        }
      }
      next_ = p;
    }
    return next_line_general(spare, limit);
  }

  // The chunk's room behind its end, for the scans that read whole blocks.
  static constexpr std::size_t chunk_padding = 2 * mask_width;

 protected:
  // The room in front of a chunk, for the unread bytes carried over when a
  // chunk of a subclass's own takes its place (swap_chunk): more than the
  // longest line that the reader takes in place.
  static constexpr std::size_t chunk_headroom = 4096;

  // Fills up to `capacity` bytes into `buffer`; returns the count, 0 at
  // the end of the input. Sets `error` on a read error.
  virtual std::size_t fill(char* buffer, std::size_t capacity, bool& error) = 0;
  // For a stream that reads ahead into chunks of its own; called before
  // fill() whenever the unread bytes fit into a chunk's headroom. Returns
  // the next chunk, from allocate_chunk(), holding the n bytes that follow
  // those buffered (`error` set when their read failed), with the `kept`
  // unread bytes at `unread` copied in front of it; it takes `used`, the
  // stream's chunk, in exchange, to read into next. Returns null, taking
  // nothing, when no chunk was read ahead: fill() then reads into the
  // stream's own chunk.
  virtual char* swap_chunk(char* used, const char* unread, std::size_t kept, std::size_t& n,
                           bool& error);
  // Storage for a chunk as the stream has its own (its headroom, the chunk,
  // room behind it), or null; freed with free_chunk().
  char* allocate_chunk() const;
  static void free_chunk(char* chunk);
  std::size_t chunk_size() const { return chunk_size_; }
  // Forgets buffered bytes and clears every indication.
  void reset_state();

  bool eof_ = false;
  bool fail_ = false;
  bool bad_ = false;

 private:
  // The lookup loader's fast path takes whole records from the unread bytes.
  friend bool take_plain_record(input_stream& stream, std::int32_t& region, std::int32_t& surface);

  // Replaces the consumed chunk with the next one. Returns false, with end
  // of file or an error indicated, when no byte came.
  bool refill();
  // Moves the unread bytes to the start of the buffer and reads more behind
  // them. Returns false when the buffer has no room left (nothing changes,
  // the stream stays good), or when no byte came (end of file or an error
  // is then indicated; the unread bytes stay).
  bool pull();
  // The outcome of a fill that delivered n bytes: false, with an error or
  // the end of file indicated, when it failed or brought nothing.
  bool bytes_came(std::size_t n, bool error);
  // Zeroes the NUL's place and the padding behind the buffered data.
  void clear_behind_data();
  // The C library's white-space class in the C locale: blank, and tab
  // through carriage return (tab, LF, VT, FF, CR).
  static bool is_white_space(char c) {
    return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t';
  }
  // From `p` inside the chunk, past white space while 16 bytes remain.
  // Runs of blanks, the bulk of a listing's indentation, go 16 at a time.
  char* skip_white_space_in_chunk(char* p) const {
    while (end_ - p >= mask_width) {
      const std::uint32_t other = other_bytes(byte_masks::bytes_equal(p, ' '));
      if (other == 0) {
        p += mask_width;
        continue;
      }
      p += byte_masks::lowest_bit(other);
      if (!is_white_space(*p)) break;
      ++p;
    }
    return p;
  }
  // The first line feed among the n bytes at p, or null. Looks at whole
  // blocks of 32 bytes, which may reach up to 31 bytes past the n: the
  // chunk has that room behind its end.
  static char* find_line_feed(char* p, std::size_t n) {
    for (std::size_t i = 0; i < n; i += 2 * mask_width) {
      const std::uint32_t feeds = byte_masks::bytes_equal(p + i, '\n') |
                                  byte_masks::bytes_equal(p + i + mask_width, '\n') << mask_width;
      if (feeds != 0) {
        const std::size_t at = i + static_cast<std::size_t>(byte_masks::lowest_bit(feeds));
        return at < n ? p + at : nullptr;
      }
    }
    return nullptr;
  }
  // next_line for every line that the inline part does not take.
  char* next_line_general(char* spare, std::size_t limit);

  char* chunk_;
  std::size_t chunk_size_;
  char* next_;
  char* end_;
};

}  // namespace vantrel

#endif  // VANTREL_LISTING_INPUT_STREAM_H
