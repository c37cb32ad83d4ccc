#include "listing/listing_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "listing/input_stream.h"
#include "listing/line_pattern.h"

namespace vantrel {
namespace {

using lines = std::vector<std::string>;

lines read_all(const std::string& text, std::size_t chunk = input_stream::default_chunk_size) {
  string_input in(text, chunk);
  listing_reader reader(in);
  lines result;
  while (reader.read_line()) result.push_back(reader.line());
  return result;
}

// The words scan_word finds, taken one by one through a capture-any pattern.
lines words_of(listing_reader& reader) {
  line_pattern any;
  EXPECT_TRUE(any.compile_pattern("\t**"));
  line_pattern* set[] = {&any, nullptr};
  lines result;
  word_ref word;
  while (reader.scan_word(word) > 0) {
    EXPECT_EQ(word.start, reader.read_pos());
    EXPECT_EQ(reader.classify_line(set, true), 0);
    result.push_back(any.capture(0));
  }
  return result;
}

lines fields_of(listing_reader& reader) {
  lines result;
  int count = reader.split_fields(0);
  for (int i = 0; i < count; ++i) {
    result.push_back(reader.field(i));
    EXPECT_EQ(reader.field_length(i), static_cast<std::int32_t>(result.back().size())) << i;
  }
  return result;
}

TEST(listing_reader, fresh_reader_is_empty) {
  string_input in("");
  listing_reader reader(in);
  EXPECT_STREQ(reader.line(), "");
  EXPECT_EQ(reader.read_pos(), reader.line());
  EXPECT_EQ(reader.field_count(), 0);
  EXPECT_FALSE(reader.read_line());
  EXPECT_EQ(reader.read_line_numeric(), -1);
}

TEST(listing_reader, line_ends_and_white_space) {
  // CR stays in the line as a delimiter; empty and blank lines are never
  // delivered; form feed and vertical tab are skipped only at the start.
  EXPECT_EQ(read_all("  5 7\r\n\r\n \t \r\n\f\v 8\f9\n"), (lines{"5 7\r", "8\f9"}));
  EXPECT_EQ(read_all("5 7\n\n8"), (lines{"5 7", "8"}));
}

TEST(listing_reader, long_lines_come_in_pieces) {
  std::string x1019(1019, 'x');
  EXPECT_EQ(read_all(std::string(1500, 'x') + "\n"), (lines{x1019, std::string(481, 'x')}));
  // The next piece's leading white space is skipped like any line's.
  EXPECT_EQ(read_all(x1019 + " \t y\n"), (lines{x1019, "y"}));
  EXPECT_EQ(read_all(x1019 + "\n2\n"), (lines{x1019, "2"}));
}

TEST(listing_reader, last_line_and_read_line_numeric) {
  string_input with_feed("1 a\nb\n2 c\n");
  listing_reader reader(with_feed);
  EXPECT_EQ(reader.read_line_numeric(), 1);
  EXPECT_EQ(reader.read_line_numeric(), 0);
  EXPECT_EQ(reader.read_line_numeric(), 1);
  EXPECT_EQ(reader.read_line_numeric(), -1);

  // The last line without a line feed is read but reported as -1.
  string_input without_feed("1 a\n2 c");
  listing_reader cut(without_feed);
  EXPECT_EQ(cut.read_line_numeric(), 1);
  EXPECT_EQ(cut.read_line_numeric(), -1);
  EXPECT_STREQ(cut.line(), "2 c");
  EXPECT_FALSE(cut.read_line());

  // A last piece of exactly 1019 characters stops before the end of file.
  string_input exact(std::string(1019, '7'));
  listing_reader full(exact);
  EXPECT_EQ(full.read_line_numeric(), 1);
  EXPECT_EQ(full.read_line_numeric(), -1);
  EXPECT_STREQ(full.line(), "");
}

TEST(listing_reader, lone_full_stop_is_a_field_but_no_word) {
  string_input in(". 12 . 7 .\r\n12 . 7\n");
  listing_reader reader(in);
  ASSERT_TRUE(reader.read_line());
  EXPECT_EQ(words_of(reader), (lines{"12", "7"}));
  ASSERT_TRUE(reader.read_line());
  EXPECT_EQ(fields_of(reader), (lines{"12", ".", "7"}));
  EXPECT_EQ(*reader.read_pos(), '\0');
}

TEST(listing_reader, split_fields_counts_only_this_line) {
  string_input in("1 2 3 4 5\n5 7\r\n");
  listing_reader reader(in);
  ASSERT_TRUE(reader.read_line());
  EXPECT_EQ(reader.split_fields(0), 5);
  ASSERT_TRUE(reader.read_line());
  EXPECT_EQ(reader.field_count(), 0);
  EXPECT_EQ(fields_of(reader), (lines{"5", "7"}));
  EXPECT_EQ(reader.field_count(), 2);
}

TEST(listing_reader, at_most_32_fields) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "f" + std::to_string(i) + " ";
  string_input in(text + "\n" + text + "\n");
  listing_reader reader(in);
  ASSERT_TRUE(reader.read_line());
  EXPECT_EQ(reader.split_fields(0), 32);
  EXPECT_EQ(reader.field_count(), 32);
  EXPECT_STREQ(reader.field(31), "f31");
  EXPECT_EQ(reader.field_length(31), 3);
  EXPECT_EQ(*reader.read_pos(), '\0');
  ASSERT_TRUE(reader.read_line());
  EXPECT_EQ(reader.split_fields(30), 2);
  EXPECT_EQ(reader.field_count(), 32);
  EXPECT_STREQ(reader.field(31), "f1");
}

TEST(listing_reader, nul_bytes) {
  using namespace std::string_literals;
  // A line starting with NUL is passed over; after a NUL a line is blind.
  EXPECT_EQ(read_all("\0abc\n5 6\n\0\0\na\0b c\n"s), (lines{"5 6", "a"}));
  EXPECT_EQ(read_all("1\n\0"s), (lines{"1"}));
}

TEST(listing_reader, refill_boundaries_change_nothing) {
  using namespace std::string_literals;
  std::string text = " \r\n 1 2\r\n\f x\fy .\n"s + std::string(1500, 'a') + "\n\0 q\n"s +
                     std::string(1019, 'b') + "\r\n\t\tend";
  lines expected = read_all(text);
  ASSERT_EQ(expected.size(), 6u);
  for (std::size_t chunk : {1, 2, 3, 7, 1019, 1020, 1021}) {
    EXPECT_EQ(read_all(text, chunk), expected) << "chunk " << chunk;
  }
}

TEST(starts_with_number, forms) {
  for (const char* yes : {"12abc", "-.5", "+7", ".5", "1e5", "3.", "0"}) {
    EXPECT_TRUE(starts_with_number(yes)) << yes;
  }
  for (const char* no : {"-", ".", "+-1", "E+00", "-x", "", ".x", " 1", "--1"}) {
    EXPECT_FALSE(starts_with_number(no)) << no;
  }
}

}  // namespace
}  // namespace vantrel
