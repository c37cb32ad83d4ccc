#include "listing/listing_reader.h"

#include <cstring>

#include "listing/input_stream.h"
#include "listing/word_scan.h"

namespace vantrel {

listing_reader::listing_reader(input_stream& stream) : stream_(stream) {
  static_assert(scan_padding >= word_scan_padding, "the word scans need room past the line");
  static_assert(input_stream::line_padding >= word_scan_padding,
                "the word scans need room past the line");
}

void listing_reader::read_physical_line() {
  line_ = stream_.next_line(line_buffer_, buffer_size - 1);
  read_pos_ = line_;
}

bool listing_reader::read_line() {
  field_count_ = 0;
  // Binary input may hold a line that starts with NUL; it is passed over
  // like an empty line so that it does not end the listing early.
  do {
    read_physical_line();
  } while (line_[0] == '\0' && stream_.good());
  if (line_[0] == '\0') return false;
  return !((stream_.fail() || stream_.bad()) && !stream_.eof());
}

int listing_reader::read_line_numeric() {
  read_line();
  if (!stream_.good()) return -1;
  return starts_with_number(line_) ? 1 : 0;
}

int listing_reader::split_fields(int first) {
  if (first < 0) first = 0;
  if (first > max_fields) first = max_fields;
  int slot = first;
  for (;;) {
    char* start = skip_delimiters(read_pos_);
    read_pos_ = start;
    if (*start == '\0') break;
    if (slot == max_fields) {
      // No slot left: the fields after the last slot are ignored, uncut.
      read_pos_ = start + std::strlen(start);
      break;
    }
    fields_[slot] = start;
    read_pos_ = word_end(start);
    field_lengths_[slot++] = static_cast<std::int32_t>(read_pos_ - start);
    if (*read_pos_ == '\0') break;
    *read_pos_++ = '\0';
  }
  field_count_ = slot;
  return slot - first;
}

bool listing_reader::first_word_is_number() const {
  // A line starts with its first word, unless that is a lone ".", which is
  // no number.
  if (starts_with_number(line_)) return true;
  char* p = line_;
  word_ref word;
  next_word(p, word);
  return starts_with_number(word.start);
}

}  // namespace vantrel
