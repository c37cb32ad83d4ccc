#include "listing/listing_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "listing/input_stream.h"
#include "listing/word_scan.h"
#include "test_support/string_streams.h"

namespace vantrel {
namespace {

using vantrel_test::string_input;

using namespace std::string_literals;
using lines = std::vector<std::string>;

lines read_all(const std::string& text, std::size_t chunk) {
  string_input in(text, chunk);
  listing_reader reader(in);
  lines result;
  while (reader.read_line()) result.push_back(reader.line());
  return result;
}

// Each case is read in chunks of many sizes, so that lines straddle the
// refill boundaries.
TEST(listing_reader, lines_as_delivered) {
  const std::string x1019(1019, 'x');
  const struct {
    std::string text;
    lines expected;
  } cases[] = {
      // CR stays in the line as a delimiter; empty and blank lines are never
      // delivered; form feed and vertical tab are skipped only at the start.
      {"  5 7\r\n\r\n \t \r\n\f\v 8\f9\n", {"5 7\r", "8\f9"}},
      {"5 7\n\n8", {"5 7", "8"}},
      // Long lines come in pieces of 1019 characters; the next piece's
      // leading white space is skipped like any line's.
      {std::string(1500, 'x') + "\n", {x1019, std::string(481, 'x')}},
      {x1019 + " \t y\n", {x1019, "y"}},
      {x1019 + "\n2\n", {x1019, "2"}},
      // A line starting with NUL is passed over; after a NUL a line is blind.
      {"\0abc\n5 6\n\0\0\na\0b c\n"s, {"5 6", "a"}},
      {"1\n\0"s, {"1"}},
  };
  for (const auto& c : cases) {
    for (std::size_t chunk : {1, 2, 3, 7, 1019, 1020, 1021, 1 << 18}) {
      EXPECT_EQ(read_all(c.text, chunk), c.expected)
          << testing::PrintToString(c.text.substr(0, 30)) << " chunk " << chunk;
    }
  }
}

TEST(listing_reader, last_line_and_read_line_numeric) {
  string_input with_feed("1 a\nb\n2 c\n");
  listing_reader reader(with_feed);
  for (int expected : {1, 0, 1, -1}) EXPECT_EQ(reader.read_line_numeric(), expected);

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

TEST(listing_reader, fields) {
  std::string forty;
  for (int i = 0; i < 40; ++i) forty += "f" + std::to_string(i) + " ";
  string_input in(". 12 . 7\r\n" + forty + "\n" + forty + "\n5 7\n");
  listing_reader reader(in);
  auto fields = [&reader](int first) {
    lines result;
    const int count = reader.split_fields(first);
    for (int i = first; i < first + count; ++i) {
      result.push_back(reader.field(i));
      EXPECT_EQ(reader.field_length(i), static_cast<std::int32_t>(result.back().size()));
    }
    EXPECT_EQ(*reader.read_pos(), '\0');
    return result;
  };
  // A lone "." is a field, though no word.
  ASSERT_TRUE(reader.read_line());
  EXPECT_EQ(fields(0), (lines{".", "12", ".", "7"}));
  // At most 32 fields: the rest of the line is dropped.
  ASSERT_TRUE(reader.read_line());
  EXPECT_EQ(fields(0).size(), 32u);
  EXPECT_STREQ(reader.field(31), "f31");
  ASSERT_TRUE(reader.read_line());
  EXPECT_EQ(fields(30), (lines{"f0", "f1"}));
  EXPECT_EQ(reader.field_count(), 32);
  // The count is the current line's.
  ASSERT_TRUE(reader.read_line());
  EXPECT_EQ(reader.field_count(), 0);
  EXPECT_EQ(fields(0), (lines{"5", "7"}));
}

// Fields are found 16 bytes at a time: a field may start, end or run
// through a block's edge, and its end may be the line's own NUL.
TEST(listing_reader, fields_across_blocks) {
  const struct {
    std::string line;
    lines fields;
  } rows[] = {
      {std::string(15, 'a') + " b", {std::string(15, 'a'), "b"}},
      {std::string(16, 'a') + " b", {std::string(16, 'a'), "b"}},
      {"z" + std::string(14, ' ') + "ab", {"z", "ab"}},
      {"z" + std::string(15, ' ') + "ab", {"z", "ab"}},
      {std::string(40, 'x'), {std::string(40, 'x')}},
      {"a" + std::string(31, ' ') + "b" + std::string(14, '\t'), {"a", "b"}},
      // Control bytes other than the delimiters belong to their field.
      {"1\f2 \v \x01x\r\ry", {"1\f2", "\v", "\x01x", "y"}},
  };
  for (const auto& row : rows) {
    for (int first : {0, 3}) {
      string_input in(row.line + "\n");
      listing_reader reader(in);
      ASSERT_TRUE(reader.read_line());
      const char* line_end = reader.line() + std::strlen(reader.line());
      const int count = reader.split_fields(first);
      lines fields;
      for (int i = first; i < first + count; ++i) {
        fields.emplace_back(reader.field(i));
        EXPECT_EQ(reader.field_length(i), static_cast<std::int32_t>(fields.back().size()));
      }
      EXPECT_EQ(fields, row.fields) << row.line;
      EXPECT_EQ(reader.read_pos(), line_end) << row.line;
    }
  }
}

// A read error ends the lines like the end of the input, but the line that
// it cuts short is not delivered, and the stream shows the error.
TEST(listing_reader, read_error_cuts_no_line) {
  for (std::size_t chunk : {3, 1 << 18}) {
    string_input in("1 2\n3 4\n567\n8\n", chunk, 10);
    listing_reader reader(in);
    EXPECT_TRUE(reader.read_line());
    EXPECT_EQ(reader.read_line_numeric(), 1);
    EXPECT_FALSE(reader.read_line()) << reader.line();
    EXPECT_TRUE(in.bad()) << chunk;
    EXPECT_EQ(reader.read_line_numeric(), -1);
  }
}

}  // namespace
// The data-line shortcut takes only lines whose shape it is sure of, and
// then gives the first word and leaves the read position past the last.
TEST(listing_reader, leading_numbers_shortcut) {
  const struct {
    const char* line;
    int count;
    const char* first;  // null: the shortcut declines the line
    const char* rest;   // the fields after the read position
  } rows[] = {
      {"1     -2.6E+00  7.3E+01", 2, "1", "7.3E+01 "},
      {"12\t.5 x", 2, "12", "x "},
      {"-3 +4", 2, "-3", ""},
      {"1 -2.6E+00", 1, "1", "-2.6E+00 "},
      {"7\r", 1, "7", ""},
      {"7", 1, "7", ""},
      {"7", 2, nullptr, ""},      // no second word
      {"7 . 8", 2, nullptr, ""},  // a lone "." comes first
      {"7 x", 2, nullptr, ""},    // the second word is no number
      {"x 7", 2, nullptr, ""},    // nor the first
      {"7\r 8", 2, nullptr, ""},  // a carriage return between them
      {"7\f 8", 2, nullptr, ""},  // a form feed belongs to the word
      {"7\f", 1, nullptr, ""},
      {"1234567890123456 8", 2, nullptr, ""},  // a first word of 16 bytes
      {"123456789012345 8", 2, "123456789012345", ""},
      {"7                8", 2, nullptr, ""},  // the second word lies 17 bytes on
  };
  for (const auto& row : rows) {
    string_input in(std::string(row.line) + "\n");
    listing_reader reader(in);
    ASSERT_TRUE(reader.read_line()) << row.line;
    vantrel::word_ref first;
    const bool taken = reader.take_leading_numbers(row.count, first);
    ASSERT_EQ(taken, row.first != nullptr) << row.line;
    if (!taken) continue;
    EXPECT_EQ(std::string(first.start, static_cast<std::size_t>(first.length)), row.first);
    std::string rest;
    const int count = reader.split_fields(0);
    for (int i = 0; i < count; ++i) rest += reader.field(i) + " "s;
    EXPECT_EQ(rest, row.rest) << row.line;
  }
}

}  // namespace vantrel
