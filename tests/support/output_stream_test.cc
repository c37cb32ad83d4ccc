#include "support/output_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "test_support/injected_faults.h"
#include "test_support/string_streams.h"

namespace vantrel {
namespace {

using vantrel_test::string_output;

constexpr std::size_t buffer_bytes = output_stream::max_reserve;

// Written in short pieces, a character at a time, and 40 times over in one
// write past the inline limit.
TEST(output_stream, stores_each_line_feed_as_cr_lf_and_nothing_else) {
  using namespace std::string_literals;
  const std::string input = "SELPIC,ND,1;\n\nends in crlf\r\nlone\rcr nul\0byte\n"s;
  const std::string stored = "SELPIC,ND,1;\r\n\r\nends in crlf\r\r\nlone\rcr nul\0byte\r\n"s;
  string_output short_writes, characters, long_write;
  for (std::size_t at = 0; at < input.size(); at += 5) {
    short_writes.write(input.data() + at, std::min<std::size_t>(5, input.size() - at));
  }
  for (char c : input) characters.put(c);
  std::string repeated, expected;
  for (int i = 0; i < 40; ++i) repeated += input, expected += stored;
  long_write.write(repeated.data(), repeated.size());
  EXPECT_EQ(stored, short_writes.str());
  EXPECT_EQ(stored, characters.str());
  EXPECT_EQ(expected, long_write.str());
}

// Every kind of write at every fill level around the buffer's end comes out
// whole and in order; reserve/commit adds no CR.
TEST(output_stream, writes_across_the_buffer_boundary) {
  for (std::size_t fill = buffer_bytes - 40; fill <= buffer_bytes + 1; ++fill) {
    string_output out;
    const std::string filler(fill, 'a');
    out.write(filler.data(), filler.size());
    out.write("x\ny\n").put('\n').write("-42").write("x;\n", 3);
    char* p = out.reserve(12);
    std::memcpy(p, "SELPIC,7;\r\n", 11);
    out.commit(p + 11);
    out.put('\n');
    ASSERT_EQ(filler + "x\r\ny\r\n\r\n-42x;\r\nSELPIC,7;\r\n\r\n", out.str()) << fill;
  }
  // The longest short write that doubles, every byte a line feed, with any
  // room left before the buffer's end.
  const std::string feeds(32, '\n');
  std::string stored_feeds;
  for (char c : feeds) stored_feeds += {'\r', c};
  for (std::size_t fill = buffer_bytes - 70; fill <= buffer_bytes; ++fill) {
    string_output out;
    const std::string filler(fill, 'a');
    out.write(filler.data(), filler.size()).write(feeds.data(), feeds.size());
    ASSERT_EQ(filler + stored_feeds, out.str()) << fill;
  }
  std::string input, expected;
  for (std::size_t i = 0; input.size() < 3 * buffer_bytes; ++i) {
    const std::string piece(i % 97, static_cast<char>('a' + i % 26));
    input += piece + "\n";
    expected += piece + "\r\n";
  }
  const std::string unbroken(2 * buffer_bytes + 5, 'z');
  string_output out;
  out.put('<').write(input.data(), input.size()).write(unbroken.data(), unbroken.size());
  out.put('>');
  EXPECT_EQ("<" + expected + unbroken + ">", out.str());
}

// Fails every delivery from the second on, and records what it got.
class failing_output : public output_stream {
 public:
  std::string received;
  int deliveries = 0;

 protected:
  bool deliver(const char* data, std::size_t n) override {
    if (++deliveries >= 2) return false;
    received.append(data, n);
    return true;
  }
};

// A failed delivery is sticky, and a stream whose buffer could not be had
// is failed from the start: neither reserved room, nor small writes, nor a
// write larger than the buffer then reach the destination.
TEST(output_stream, a_failed_stream_delivers_nothing_more) {
  failing_output out;
  out.write("first\n");
  EXPECT_TRUE(out.flush());
  out.write("second");
  EXPECT_FALSE(out.flush());
  char* p = out.reserve(4);
  std::memcpy(p, "zzzz", 4);
  out.commit(p + 4);
  vantrel_test::injected_faults no_storage;
  string_output without_buffer;
  EXPECT_TRUE(without_buffer.failed());
  const std::string big(3 * buffer_bytes, 'b');
  for (output_stream* failed :
       {static_cast<output_stream*>(&out), static_cast<output_stream*>(&without_buffer)}) {
    failed->write("third").put('x').write(big.data(), big.size());
    failed->end_line();
    EXPECT_FALSE(failed->flush());
    EXPECT_TRUE(failed->failed());
  }
  EXPECT_EQ(2, out.deliveries);
  EXPECT_EQ("first\r\n", out.received);
  EXPECT_EQ("", without_buffer.str());
}

// A write as large as the buffer goes out without being copied: its
// failure counts as well.
TEST(output_stream, a_large_write_that_fails_is_a_failure) {
  failing_output large;
  large.write("first\n");
  EXPECT_TRUE(large.flush());
  const std::string big(2 * buffer_bytes, 'b');
  large.write(big.data(), big.size());
  EXPECT_TRUE(large.failed());
}

}  // namespace
}  // namespace vantrel
