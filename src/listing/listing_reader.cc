#include "listing/listing_reader.h"

#include <cstring>

#include "listing/byte_masks.h"
#include "listing/input_stream.h"
#include "listing/word_scan.h"

namespace vantrel {

listing_reader::listing_reader(input_stream& stream) : stream_(stream) {}

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
  // The fields are found from masks of 16 bytes at a time, one block after
  // the other, so that finding a field does not wait for the end of the
  // one before it: in a block, a field starts at a field byte after a
  // delimiter and ends at the delimiter or NUL after a field byte.
  char* block = read_pos_;
  char* start = nullptr;      // the field under way, null between fields
  std::uint32_t carried = 0;  // 1 when the byte before the block is a field byte
  for (;;) {
    const std::uint32_t nul = byte_masks::bytes_equal(block, '\0');
    // The bytes up to the NUL that ends the line; those after it are not
    // part of the line.
    const std::uint32_t in_line = nul == 0 ? other_bytes(0) : nul ^ (nul - 1);
    const std::uint32_t inside = other_bytes(byte_masks::bytes_ending_words(block)) & in_line;
    const std::uint32_t after_inside = ((inside << 1) | carried) & in_line;
    std::uint32_t starts = inside & ~after_inside;
    std::uint32_t ends = ~inside & after_inside;
    carried = inside >> (mask_width - 1);
    for (;;) {
      if (start == nullptr) {
        if (starts == 0) break;
        start = block + byte_masks::lowest_bit(starts);
        starts &= starts - 1;
        if (slot == max_fields) {
          // No slot left: the fields after the last slot are ignored, uncut.
          read_pos_ = start + std::strlen(start);
          field_count_ = slot;
          return slot - first;
        }
      }
      if (ends == 0) break;  // the field goes on in the next block
      char* end = block + byte_masks::lowest_bit(ends);
      ends &= ends - 1;
      fields_[slot] = start;
      field_lengths_[slot++] = static_cast<std::int32_t>(end - start);
      *end = '\0';
      start = nullptr;
    }
    if (nul != 0) {
      read_pos_ = block + byte_masks::lowest_bit(nul);
      break;
    }
    block += mask_width;
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

}  // namespace vantrel
