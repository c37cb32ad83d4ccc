#include "listing/input_stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace vantrel {
namespace {

// Delivers `text` and then reports a read error.
class failing_input : public input_stream {
 public:
  explicit failing_input(std::string text) : text_(std::move(text)) {}

 protected:
  std::size_t fill(char* buffer, std::size_t capacity, bool& error) override {
    if (given_ || text_.size() > capacity) {
      error = true;
      return 0;
    }
    given_ = true;
    std::memcpy(buffer, text_.data(), text_.size());
    return text_.size();
  }

 private:
  std::string text_;
  bool given_ = false;
};

std::string next_line(input_stream& in, std::size_t limit = 1019) {
  char out[1020];
  std::memset(out, 'z', sizeof out);
  in.skip_white_space();
  in.get_line(out, limit);
  return out;
}

TEST(input_stream, line_ends_and_indications) {
  string_input in(" \t\v\f\r\n a b\r\nlast");
  EXPECT_TRUE(in.good());
  EXPECT_EQ(next_line(in), "a b\r");
  EXPECT_TRUE(in.good());
  // The last line without a line feed reaches the end of file, not a failure.
  EXPECT_EQ(next_line(in), "last");
  EXPECT_TRUE(in.eof());
  EXPECT_FALSE(in.fail());
  // Once an indication shows, nothing more is read and the stream fails.
  EXPECT_EQ(next_line(in), "");
  EXPECT_TRUE(in.eof() && in.fail());
}

TEST(input_stream, end_of_input_in_white_space_sets_only_eof_then_fail) {
  string_input in("x\n \n\t");
  EXPECT_EQ(next_line(in), "x");
  in.skip_white_space();
  EXPECT_TRUE(in.eof());
  EXPECT_FALSE(in.fail());
  char out[8];
  in.get_line(out, 7);
  EXPECT_TRUE(in.fail());
}

TEST(input_stream, limit_stops_without_consuming) {
  string_input in("abcdef\n", 2);
  EXPECT_EQ(next_line(in, 4), "abcd");
  EXPECT_TRUE(in.good());
  EXPECT_EQ(next_line(in, 4), "ef");
  EXPECT_TRUE(in.good());
}

TEST(input_stream, read_error_is_bad) {
  failing_input whole("5 6\n");
  EXPECT_EQ(next_line(whole), "5 6");
  EXPECT_TRUE(whole.good());
  EXPECT_EQ(next_line(whole), "");
  EXPECT_TRUE(whole.bad());
  EXPECT_FALSE(whole.eof());

  // An error in the middle of a line keeps what was stored.
  failing_input cut("5 6");
  EXPECT_EQ(next_line(cut), "5 6");
  EXPECT_TRUE(cut.bad());
}

// The line as next_line gives it, in place or copied, with the stream's
// indications after it.
struct taken {
  std::string line;
  bool eof, fail, bad;
  bool operator==(const taken& o) const {
    return line == o.line && eof == o.eof && fail == o.fail && bad == o.bad;
  }
};

taken copied(input_stream& in, std::size_t limit) {
  char out[1100];
  in.skip_white_space();
  in.get_line(out, limit);
  return {out, in.eof(), in.fail(), in.bad()};
}

taken in_place(input_stream& in, std::size_t limit) {
  char spare[1100];
  const char* line = in.next_line(spare, limit);
  return {line, in.eof(), in.fail(), in.bad()};
}

// Lines taken in place equal the lines that get_line copies, wherever the
// chunk boundaries fall and whatever the limit cuts.
TEST(input_stream, lines_in_place_equal_copied_lines) {
  using namespace std::string_literals;
  const std::string texts[] = {
      "  1 2\r\n\r\n\f 3\n"s + std::string(1500, 'a') + "\n  b\n"s + std::string(1019, 'c') +
          "\n"s + std::string(1018, 'd') + "\r\nlast",
      "x\0y\n\0\n z \n\t\n"s,
      "no line feed at all",
      "",
      " \n \n",
  };
  for (const std::string& text : texts) {
    for (std::size_t chunk : {1, 2, 3, 7, 64, 1019, 1020, 1021, 4096}) {
      for (std::size_t limit : {1019, 5}) {
        string_input a(text, chunk), b(text, chunk);
        for (int n = 0; n < 12; ++n) {
          ASSERT_EQ(in_place(b, limit), copied(a, limit))
              << "chunk " << chunk << " limit " << limit << " line " << n;
        }
      }
    }
  }
}

TEST(input_stream, line_in_place_after_a_read_error) {
  failing_input a("5 6\nab"), b("5 6\nab");
  for (int n = 0; n < 3; ++n) EXPECT_EQ(in_place(b, 1019), copied(a, 1019)) << n;
  EXPECT_TRUE(b.bad());
}

}  // namespace
}  // namespace vantrel
