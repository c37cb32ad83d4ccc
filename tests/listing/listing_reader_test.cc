#include "listing/listing_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listing/input_stream.h"
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

}  // namespace
}  // namespace vantrel
