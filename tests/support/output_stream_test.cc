#include "support/output_stream.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>

namespace vantrel {
namespace {

constexpr std::size_t buffer_bytes = output_stream::max_reserve;

TEST(output_stream, stores_each_line_feed_as_cr_lf_and_nothing_else) {
  const struct {
    std::string input;
    std::string stored;
  } cases[] = {
      {"SELPIC,ND,1;\n", "SELPIC,ND,1;\r\n"},
      {"ends in crlf\r\n", "ends in crlf\r\r\n"},
      {"\n\n", "\r\n\r\n"},
      {"lone\rcr", "lone\rcr"},
      {std::string("nul\0byte\n", 9), std::string("nul\0byte\r\n", 10)},
      {"", ""},
  };
  for (const auto& c : cases) {
    string_output short_writes;
    short_writes.write(c.input.data(), c.input.size());
    EXPECT_EQ(c.stored, short_writes.str()) << c.input;

    string_output characters;
    for (char ch : c.input) characters.put(ch);
    EXPECT_EQ(c.stored, characters.str()) << c.input;

    // The same text well past the inline limit takes the bulk path.
    string_output long_write;
    std::string repeated;
    std::string expected;
    for (int i = 0; i < 40; ++i) {
      repeated += c.input;
      expected += c.stored;
    }
    long_write.write(repeated.data(), repeated.size());
    EXPECT_EQ(expected, long_write.str()) << c.input;
  }
}

TEST(output_stream, text_write_and_end_line) {
  string_output out;
  out.write("SELPIC,").write("ND").put(',').write_int(12).write(";\n");
  out.end_line();
  EXPECT_EQ("SELPIC,ND,12;\r\n\r\n", out.str());
}

TEST(output_stream, write_int_extremes) {
  const struct {
    std::int32_t value;
    const char* text;
  } cases[] = {{0, "0"},
               {7, "7"},
               {-1, "-1"},
               {10, "10"},
               {INT32_MAX, "2147483647"},
               {INT32_MIN, "-2147483648"}};
  for (const auto& c : cases) {
    string_output out;
    out.write_int(c.value);
    EXPECT_EQ(c.text, out.str()) << c.value;
  }
}

// A line feed whose CR LF straddles the buffer boundary, and writes of every
// size around it, must come out whole and in order.
TEST(output_stream, writes_across_the_buffer_boundary) {
  for (std::size_t fill = buffer_bytes - 40; fill <= buffer_bytes + 1; ++fill) {
    string_output out;
    std::string expected(fill, 'a');
    for (std::size_t i = 0; i < fill; ++i) out.put('a');
    out.write("x\ny\n");
    out.put('\n');
    out.write_int(-42);
    expected += "x\r\ny\r\n\r\n-42";
    ASSERT_EQ(expected, out.str()) << fill;
  }
}

// write_stored and reserve/commit add no carriage return: the caller
// passes the stored form. Records at every fill level around the buffer's
// end come out whole and in order.
TEST(output_stream, stored_records_across_the_buffer_boundary) {
  for (std::size_t fill = buffer_bytes - 24; fill <= buffer_bytes + 1; ++fill) {
    string_output out;
    std::string filler(fill, 'a');
    out.write(filler.data(), filler.size());
    out.write_stored("x;\r\n", 4);
    char* p = out.reserve(12);
    std::memcpy(p, "SELPIC,7;\r\n", 11);
    out.commit(p + 11);
    out.put('\n');
    ASSERT_EQ(filler + "x;\r\nSELPIC,7;\r\n\r\n", out.str()) << fill;
  }
  string_output big;
  std::string stored(2 * buffer_bytes + 3, 's');
  stored[7] = '\n';
  big.put('<').write_stored(stored.data(), stored.size()).put('>');
  EXPECT_EQ("<" + stored + ">", big.str());
}

TEST(output_stream, write_larger_than_the_buffer) {
  std::string input;
  std::string expected;
  for (std::size_t i = 0; input.size() < 3 * buffer_bytes; ++i) {
    std::string piece(i % 97, static_cast<char>('a' + i % 26));
    input += piece + "\n";
    expected += piece + "\r\n";
  }
  std::string unbroken(2 * buffer_bytes + 5, 'z');

  string_output out;
  out.put('<');
  out.write(input.data(), input.size());
  out.write(unbroken.data(), unbroken.size());
  out.put('>');
  EXPECT_EQ("<" + expected + unbroken + ">", out.str());
}

// Fails every delivery from the `fail_from`th on, and records what it got.
class failing_output : public output_stream {
 public:
  explicit failing_output(int fail_from) : fail_from_(fail_from) {}
  ~failing_output() override = default;
  std::string received;
  int deliveries = 0;

 protected:
  bool deliver(const char* data, std::size_t n) override {
    if (++deliveries >= fail_from_) return false;
    received.append(data, n);
    return true;
  }

 private:
  int fail_from_;
};

TEST(output_stream, a_failed_delivery_is_sticky) {
  failing_output out(2);
  out.write("first\n");
  EXPECT_TRUE(out.flush());
  out.write("second");
  EXPECT_FALSE(out.flush());
  EXPECT_TRUE(out.failed());

  // Neither small writes nor a write larger than the buffer reach the sink.
  const int deliveries = out.deliveries;
  out.write("third").put('x').write_int(5).write_stored("y\r\n", 3);
  char* p = out.reserve(4);
  std::memcpy(p, "zzzz", 4);
  out.commit(p + 4);
  std::string big(3 * buffer_bytes, 'b');
  out.write(big.data(), big.size());
  out.end_line();
  EXPECT_FALSE(out.flush());
  EXPECT_EQ(deliveries, out.deliveries);
  EXPECT_EQ("first\r\n", out.received);
}

TEST(output_stream, delivers_only_when_full_or_flushed) {
  failing_output out(1000);
  std::string chunk(1000, 'c');
  for (int i = 0; i < 1000 && out.deliveries == 0; ++i) out.write(chunk.data(), chunk.size());
  EXPECT_EQ(1, out.deliveries);
  EXPECT_EQ(buffer_bytes, out.received.size());
}

}  // namespace
}  // namespace vantrel
