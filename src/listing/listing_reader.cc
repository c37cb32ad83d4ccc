#include "listing/listing_reader.h"

#include <cstring>

#include "listing/byte_masks.h"
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

bool listing_reader::take_leading_numbers(int count, word_ref& first) {
  char* const start = line_;
  // read_line leaves no white space before the line's first byte, so the
  // first word starts there; a number is never a lone ".".
  if (read_pos_ != start || !starts_with_number(start)) return false;
  const std::uint32_t low = byte_masks::bytes_up_to_blank(start);
  if (low == 0) return false;
  char* end = start + byte_masks::lowest_bit(low);
  if (count == 2) {
    if (*end != ' ' && *end != '\t') return false;
    const std::uint32_t gap =
        byte_masks::bytes_equal(end, ' ') | byte_masks::bytes_equal(end, '\t');
    const std::uint32_t rest = other_bytes(gap);
    if (rest == 0) return false;
    char* second = end + byte_masks::lowest_bit(rest);
    if (!starts_with_number(second)) return false;
    const std::uint32_t ends = byte_masks::bytes_up_to_blank(second);
    char* second_end = ends == 0 ? second : second + byte_masks::lowest_bit(ends);
    read_pos_ = ends_word(*second_end) ? second_end : word_end(second_end);
  } else {
    // A control byte such as a form feed belongs to the word.
    if (!ends_word(*end)) return false;
    read_pos_ = end;
  }
  first.start = start;
  first.length = static_cast<std::int32_t>(end - start);
  return true;
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
