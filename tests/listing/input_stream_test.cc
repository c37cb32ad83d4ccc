#include "listing/input_stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "test_support/injected_faults.h"
#include "test_support/string_streams.h"

namespace vantrel {
namespace {

using vantrel_test::string_input;

// Delivers `text` in one piece, then reports a read error.
class failing_input : public input_stream {
 public:
  explicit failing_input(std::string text) : text_(std::move(text)) {}

 protected:
  std::size_t fill(char* buffer, std::size_t, bool& error) override {
    const std::size_t n = text_.copy(buffer, text_.size());
    text_.clear();
    error = n == 0;
    return n;
  }

 private:
  std::string text_;
};

// The line as get_line copies it or next_line gives it in place, with the
// stream's indications after it: eof, fail, bad.
using taken = std::tuple<std::string, bool, bool, bool>;

taken copied(input_stream& in, std::size_t limit = 1019) {
  std::string out(limit + 1, 'z');
  in.skip_white_space();
  in.get_line(&out[0], limit);
  return {out.c_str(), in.eof(), in.fail(), in.bad()};
}

taken in_place(input_stream& in, std::size_t limit = 1019) {
  std::string spare(limit + 1, 'z');
  const char* line = in.next_line(&spare[0], limit);
  return {line, in.eof(), in.fail(), in.bad()};
}

// A last line without a line feed reaches the end of file, not a failure;
// once an indication shows, nothing more is read and the stream fails. A
// read error is bad, not the end of file, and keeps what was stored.
TEST(input_stream, indications) {
  string_input in("a b\nlast");
  EXPECT_EQ(copied(in), (taken{"a b", false, false, false}));
  EXPECT_EQ(copied(in), (taken{"last", true, false, false}));
  EXPECT_EQ(copied(in), (taken{"", true, true, false}));
  failing_input whole("5 6\n"), cut("5 6");
  EXPECT_EQ(copied(whole), (taken{"5 6", false, false, false}));
  EXPECT_EQ(copied(whole), (taken{"", false, true, true}));
  EXPECT_EQ(copied(cut), (taken{"5 6", false, false, true}));
  failing_input a("5 6\nab"), b("5 6\nab");
  for (int n = 0; n < 3; ++n) EXPECT_EQ(in_place(b), copied(a)) << n;
}

// Only blank, tab, LF, VT, FF and CR are passed over before a line: other
// control bytes are the line's own.
TEST(input_stream, control_bytes_begin_a_line) {
  string_input a("\t\x0e\x1f 1\n\x08x\n\x7f\n"), b("\t\x0e\x1f 1\n\x08x\n\x7f\n");
  for (const char* line : {"\x0e\x1f 1", "\x08x", "\x7f"}) {
    EXPECT_EQ(copied(a), (taken{line, false, false, false}));
    EXPECT_EQ(in_place(b), (taken{line, false, false, false}));
  }
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

// The blank skip goes 8 bytes at a time while 8 remain in the chunk. Here
// runs of blanks end at every offset of a chunk, with the line they begin
// in the next one, and the input ends in blanks: in its last, shorter chunk
// the bytes behind the end are left from the chunk before, mostly blanks,
// which must not be skipped.
TEST(input_stream, blanks_that_end_a_chunk) {
  std::string text;
  for (std::size_t blanks = 0; blanks <= 40; ++blanks) text += std::string(blanks, ' ') + "x\n";
  text += "\t\f\r\n  y\r\n";
  for (std::size_t end_blanks : {0, 1, 7, 8, 9, 16, 17}) {
    for (std::size_t chunk : {8, 9, 15, 16, 17, 64, 100}) {
      const std::string input = text + std::string(end_blanks, ' ');
      string_input a(input, chunk), b(input, chunk);
      for (std::size_t n = 0; n <= 42; ++n) {
        const taken line = n < 41    ? taken{"x", false, false, false}
                           : n == 41 ? taken{"y\r", false, false, false}
                                     : taken{"", true, true, false};
        ASSERT_EQ(copied(a), line) << "chunk " << chunk << ", " << end_blanks << " line " << n;
        ASSERT_EQ(in_place(b), line) << "chunk " << chunk << ", " << end_blanks << " line " << n;
      }
    }
  }
}

// A stream whose buffer could not be had reads nothing and shows an error,
// which the reader does not take for the end of the input.
TEST(input_stream, without_its_buffer_reads_nothing) {
  vantrel_test::injected_faults no_storage;
  string_input a("a b\n"), b("a b\n");
  EXPECT_FALSE(a.has_buffer());
  EXPECT_EQ(copied(a), (taken{"", false, true, true}));
  EXPECT_EQ(in_place(b), (taken{"", false, true, true}));
}

// A read error in the middle of the input shows as an error, not as the end
// of file, on the line that it cuts short.
TEST(input_stream, read_error_in_the_middle) {
  for (std::size_t chunk : {3, 4096}) {
    string_input a("1 2\n3 4\n567\n", chunk, 10), b("1 2\n3 4\n567\n", chunk, 10);
    for (const taken& line : {taken{"1 2", false, false, false}, taken{"3 4", false, false, false},
                              taken{"56", false, false, true}, taken{"", false, true, true}}) {
      EXPECT_EQ(copied(a), line) << chunk;
      EXPECT_EQ(in_place(b), line) << chunk;
    }
  }
}

}  // namespace
}  // namespace vantrel
