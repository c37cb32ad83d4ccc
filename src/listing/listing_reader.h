#ifndef VANTREL_LISTING_LISTING_READER_H
#define VANTREL_LISTING_LISTING_READER_H

#include <cstddef>
#include <cstdint>

#include "listing/byte_masks.h"

namespace vantrel {

class line_pattern;
struct word_ref;
class pattern_index;
class input_stream;

// A null-terminated, ordered list of patterns given to classify_line. Only
// the first max_set_patterns are taken.
using pattern_set = line_pattern* const*;

// Delivers an input stream one line at a time, as a NUL-terminated text of
// at most buffer_size - 1 characters, and takes lines apart into fields and
// words. The line, its fields and its words stay valid until the next line
// is read. Lines are not copied where the stream's buffer holds them whole,
// so reading a line allocates nothing and usually copies nothing.
class listing_reader {
 public:
  static constexpr std::int32_t buffer_size = 1020;
  static constexpr std::int32_t max_fields = 32;
  // classify_line's result is a signed byte.
  static constexpr int max_set_patterns = 128;

  // `stream` must outlive the reader.
  explicit listing_reader(input_stream& stream);
  listing_reader(const listing_reader&) = delete;
  listing_reader& operator=(const listing_reader&) = delete;

  // Reads the next line that holds a non-blank character, without its
  // leading white space and its line feed, at most 1019 characters at a
  // time. A line whose first byte is NUL is passed over like an empty one.
  // Returns false at the end of the input (or when it has failed).
  bool read_line();
  // read_line, then -1 when the stream shows end of file or a failure
  // (also for a last line without a line feed, which is still read), else
  // 1 when the line starts like a number and 0 when it does not.
  int read_line_numeric();
  // Cuts the rest of the line into fields in place, from slot `first` on
  // (0 to max_fields); fields after slot max_fields - 1 are ignored, and the
  // read position ends at the end of the line. Returns the number of fields
  // stored.
  int split_fields(int first);
  // Reads lines until a pattern of the index's set matches (see
  // line_pattern.h) and returns its index in the set, or -1 at the end of
  // the input. The patterns take the words in lockstep; a pattern drops out
  // at its first failing token, and the first to match its last token wins
  // (in one stage, the earlier in the set). The read position is then just
  // past the last matched word. With `continue_line` false a new line is
  // read first.
  int classify_line(const pattern_index& index, bool continue_line);
  // The shortcut for the common data line, tried on a line just read: when
  // the line begins with `count` (1 or 2) words that start like numbers,
  // the first shorter than 16 bytes and followed by blanks or tabs where a
  // second is asked for, puts the first word into `first`, the read
  // position just past the last, and returns true. For such a line a set
  // whose pattern 0 is `count` numeric tokens and whose other patterns
  // begin with a letter classifies as pattern 0 with those words captured.
  // Returns false, changing nothing, for any other line;
  // classify_line(index, true) then decides.
  bool take_leading_numbers(int count, word_ref& first);

  // The stream the lines come from.
  input_stream& stream() { return stream_; }
  const char* line() const { return line_; }
  const char* read_pos() const { return read_pos_; }
  std::int32_t field_count() const { return field_count_; }
  // Field i of the current line, 0 <= i < field_count().
  const char* field(int i) const { return fields_[i]; }
  // The length of field(i), 0 <= i < field_count().
  std::int32_t field_length(int i) const { return field_lengths_[i]; }

 private:
  // Reads one physical line (leading white space skipped) and puts the read
  // position at its start. The line stays where the stream holds it; only a
  // line that the stream cannot hold whole is copied into line_buffer_.
  void read_physical_line();

  char line_buffer_[buffer_size + scan_padding] = {};
  char* line_ = line_buffer_;  // the current line, in the stream or in line_buffer_
  char* read_pos_ = line_buffer_;
  input_stream& stream_;
  std::int32_t field_count_ = 0;
  char* fields_[max_fields] = {};
  std::int32_t field_lengths_[max_fields] = {};
};

}  // namespace vantrel

#endif  // VANTREL_LISTING_LISTING_READER_H
