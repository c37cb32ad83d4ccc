#include "listing/line_pattern.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "listing/input_stream.h"
#include "listing/pattern_index.h"
#include "test_support/string_streams.h"

namespace vantrel {
namespace {

using vantrel_test::string_input;

using texts = std::vector<std::string>;

// Owns compiled patterns and hands them out as a null-terminated set.
struct compiled_set {
  explicit compiled_set(const texts& patterns) : owned(patterns.size()) {
    for (std::size_t i = 0; i < patterns.size(); ++i) {
      EXPECT_TRUE(owned[i].compile_pattern(patterns[i].c_str())) << patterns[i];
      set.push_back(&owned[i]);
    }
    set.push_back(nullptr);
  }
  std::vector<line_pattern> owned;
  std::vector<line_pattern*> set;
};

const texts converter_set = {"\t#*,\t#*", "Keypoint",    "Curve", "Surface", "Vol", "Contour",
                             "Region",    "Polyhederon", "Part",  "Node",    "Elem"};

texts disp_set() {
  texts set = converter_set;
  set[0] = "\t#*";
  return set;
}

struct classify_case {
  texts patterns;
  std::string input;
  int index;         // expected result of the first classify_line
  texts captures;    // expected captures of the winner
  std::string rest;  // the line from the read position on
};

std::ostream& operator<<(std::ostream& out, const classify_case& c) {
  out << "patterns:";
  for (const std::string& p : c.patterns) out << " [" << testing::PrintToString(p) << "]";
  return out << " input: " << testing::PrintToString(c.input);
}

const std::string a150(150, 'a'), b100(100, 'b');
const classify_case classify_cases[] = {
    // Data and header lines of the converter's set.
    {converter_set, "   17   3   0.25\r\n", 0, {"17", "3"}, "   0.25\r"},
    {disp_set(), "   17   3   0.25\r\n", 0, {"17"}, "   3   0.25\r"},
    {converter_set, "Node  X  Y  Z\n", 9, {}, "  X  Y  Z"},
    {converter_set, "NODE\nnode\nNodes\nNode:\nNode,\nElem\n", 10, {}, ""},
    {converter_set, "17\n17\r\n  . 17 .\r\n", -1, {}, ""},
    {disp_set(), "17\n", 0, {"17"}, ""},
    {converter_set, "17 . 3\n", 0, {"17", "3"}, ""},
    {converter_set, "x 1 2\n\n-.5 +7 z\n", 0, {"-.5", "+7"}, " z"},
    {converter_set, ".5 12abc\n", 0, {".5", "12abc"}, ""},
    {converter_set, "- 1\nE+00 1\n.x 1\n1 -\n", -1, {}, ""},
    // A first word that only the numeric data pattern can match takes a
    // shortcut; any word it cannot decide goes to the general path.
    {converter_set, "5 #*\n", 0, {"5"}, ""},
    {{"\t#*,\t#*"}, "#* 5 6\n", 0, {"5"}, " 6"},
    {converter_set, "5 Node\n5\r\n5 .\n7 8\n", 0, {"7", "8"}, ""},
    {{"\t#*,\t#,\t#*"}, "1 . 2 3 4\n", 0, {"1", "3"}, " 4"},
    {converter_set, std::string(250, '9') + " 1\n", 0, {std::string(199, '9'), ""}, ""},
    // Lockstep: 5-then-Node, and a pattern completing in an earlier stage.
    {{"\t#*,\t#*", "Node"}, "5 Node\n", -1, {}, ""},
    {{"\t*,\t#", "Elem"}, "Elem 4\n", 1, {}, " 4"},
    {{"\t#", "\t**"}, "5 6\n", 0, {}, " 6"},
    // The literal comparison comes first: no numeric test, no capture.
    {{"\t#*,\t**"}, "#* x\n", 0, {"x"}, ""},
    {{"\tq"}, "r\nq\n", 0, {}, ""},
    {{"\t**,\t**"}, "a \r\n", 0, {"a", ""}, ""},
    {{"\t**,\t**"}, "a\n", -1, {}, ""},
    {{"xyz,\t**"}, "xyz\txyzw\n", 0, {"xyzw"}, ""},
    // A comma as a token's first character belongs to the token.
    {{",,\t#*,"}, ", 5\n", 0, {"5"}, ""},
    // Search and prefix tokens change the word's length for later patterns.
    {{"\bb c"}, "a b c d\n", 0, {}, " d"},
    {{"\bb,x", "\t**"}, "a b x\n", 1, {"a b"}, " x"},
    {{"\bq"}, "a b\n", -1, {}, ""},
    {{" ab,\t**"}, "abc d\n", 0, {"c"}, " d"},
    {{" ax"}, "abc\n", -1, {}, ""},
    // Line-feed tokens move every open pattern to the next line together.
    {{"Node,\n,\t#*"}, "Node\r\n12 x\n", 0, {"12"}, " x"},
    {{"Node,\n,\t#*,\t#*"}, "Node\r\n12 34 x\n", 0, {"12", "34"}, " x"},
    {{"Node,\n,\t#*"}, "Node\n12 x\n", -1, {}, ""},
    {{"Node,\n,\t#*"}, "Node\r\n12", -1, {}, ""},
    {{"A,\n,\t#", "A,\n,B"}, "A \nB\n", 1, {}, ""},
    {{"Node,\n"}, "Node x y\n", 0, {}, " y"},
    // Captures share an area of 200 bytes: a word takes what room is left,
    // terminator included, and a slot past the end gets an empty text.
    {{"\t**,\t**,\t**"}, a150 + " " + b100 + " c\n", 0, {a150, b100.substr(0, 48), ""}, ""},
    {{"\t**,\t**,\t**"}, std::string(300, 'x') + " y z\n", 0, {std::string(199, 'x'), "", ""}, ""},
};

// Every case is classified with the index by first byte and with every
// pattern tried in set order, which must change nothing but the speed, and
// with refills inside its lines.
TEST(classify_line, table) {
  for (const classify_case& c : classify_cases) {
    for (int way = 0; way < 4; ++way) {
      const bool shortcuts = (way & 1) != 0;
      compiled_set patterns(c.patterns);
      const pattern_index index(patterns.set.data(), shortcuts);
      string_input in(c.input, way < 2 ? input_stream::default_chunk_size : 3);
      listing_reader reader(in);
      const int result = reader.classify_line(index, false);
      ASSERT_EQ(result, c.index) << (shortcuts ? "by first byte " : "") << c;
      if (c.index < 0) continue;
      const line_pattern& winner = *patterns.set[c.index];
      for (int i = 0; i < static_cast<int>(c.captures.size()); ++i) {
        EXPECT_STREQ(winner.capture(i), c.captures[i].c_str()) << i << " " << c;
        EXPECT_EQ(winner.capture_length(i), static_cast<std::int32_t>(c.captures[i].size())) << c;
      }
      EXPECT_EQ(reader.read_pos(), c.rest) << c;
    }
  }
}

// The capture is a copy: it survives the fields cut from its line and the
// next line.
TEST(classify_line, capture_survives_its_line) {
  compiled_set patterns(disp_set());
  const pattern_index index(patterns.set.data());
  string_input in("   17   3   0.25\r\n  Node\n");
  listing_reader reader(in);
  ASSERT_EQ(reader.classify_line(index, false), 0);
  ASSERT_EQ(reader.split_fields(0), 2);
  EXPECT_STREQ(reader.field(1), "0.25");
  EXPECT_EQ(reader.classify_line(index, false), 9);
  EXPECT_STREQ(patterns.set[0]->capture(0), "17");
}

// (That a rejected pattern never matches, the pattern fuzzer checks.)
TEST(compile_pattern, limits) {
  line_pattern pattern;
  EXPECT_TRUE(pattern.compile_pattern(std::string(99, 'a').c_str()));
  EXPECT_TRUE(pattern.compile_pattern("a,"));
  EXPECT_EQ(pattern.last_token(), 0);
  std::string sixteen = "\t**";
  for (int i = 1; i < 16; ++i) sixteen += ",\t#*";
  EXPECT_TRUE(pattern.compile_pattern(sixteen.c_str()));
  EXPECT_EQ(pattern.last_token(), 15);

  for (const std::string& bad : {std::string(), std::string(100, 'a'), sixteen + ",x"}) {
    EXPECT_FALSE(pattern.compile_pattern(bad.c_str())) << bad.size();
    EXPECT_EQ(pattern.last_token(), -1);
  }
  EXPECT_FALSE(pattern.compile_pattern(nullptr));
}

}  // namespace
}  // namespace vantrel
