#include "listing/line_pattern.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "listing/input_stream.h"
#include "listing/pattern_index.h"

namespace vantrel {
namespace {

using texts = std::vector<std::string>;

// Owns compiled patterns and hands them out as a null-terminated set.
struct compiled_set {
  explicit compiled_set(const texts& patterns) {
    for (const std::string& text : patterns) {
      owned.push_back(std::make_unique<line_pattern>());
      EXPECT_TRUE(owned.back()->compile_pattern(text.c_str())) << text;
      set.push_back(owned.back().get());
    }
    set.push_back(nullptr);
  }
  std::vector<std::unique_ptr<line_pattern>> owned;
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
    {{"Node,\n,\t#*"}, "Node\n12 x\n", -1, {}, ""},
    {{"Node,\n,\t#*"}, "Node\r\n12", -1, {}, ""},
    {{"A,\n,\t#", "A,\n,B"}, "A \nB\n", 1, {}, ""},
    {{"Node,\n"}, "Node x y\n", 0, {}, " y"},
};

// Every case is classified twice: through the set, and through its index,
// which must change nothing but the speed.
TEST(classify_line, table) {
  for (const classify_case& c : classify_cases) {
    for (bool indexed : {false, true}) {
      compiled_set patterns(c.patterns);
      const pattern_index index(patterns.set.data());
      string_input in(c.input);
      listing_reader reader(in);
      const int result = indexed ? reader.classify_line(index, false)
                                 : reader.classify_line(patterns.set.data(), false);
      ASSERT_EQ(result, c.index) << (indexed ? "indexed " : "") << c;
      if (c.index < 0) continue;
      const line_pattern& winner = *patterns.set[c.index];
      for (std::size_t i = 0; i < c.captures.size(); ++i) {
        const int slot = static_cast<int>(i);
        EXPECT_STREQ(winner.capture(slot), c.captures[i].c_str()) << i << " " << c;
        EXPECT_EQ(winner.capture_length(slot), static_cast<std::int32_t>(c.captures[i].size()))
            << i << " " << c;
      }
      EXPECT_EQ(reader.read_pos(), c.rest) << c;
    }
  }
}

TEST(classify_line, data_line_then_split_fields) {
  compiled_set patterns(disp_set());
  string_input in("   17   3   0.25\r\n  Node\n");
  listing_reader reader(in);
  ASSERT_EQ(reader.classify_line(patterns.set.data(), false), 0);
  ASSERT_EQ(reader.split_fields(0), 2);
  EXPECT_STREQ(reader.field(0), "3");
  EXPECT_STREQ(reader.field(1), "0.25");
  // The capture is a copy and survives the next line.
  EXPECT_EQ(reader.classify_line(patterns.set.data(), false), 9);
  EXPECT_STREQ(patterns.set[0]->capture(0), "17");
  EXPECT_EQ(reader.classify_line(patterns.set.data(), false), -1);
}

TEST(classify_line, continue_line_and_data_across_refills) {
  compiled_set patterns({"\t#*"});
  std::string text;
  for (int i = 0; i < 500; ++i)
    text += " " + std::to_string(i) + "  " + std::to_string(-i) + "\r\n";
  string_input in(text, 7);
  listing_reader reader(in);
  for (int i = 0; i < 500; ++i) {
    ASSERT_EQ(reader.classify_line(patterns.set.data(), false), 0);
    ASSERT_EQ(patterns.set[0]->capture(0), std::to_string(i));
    ASSERT_EQ(reader.classify_line(patterns.set.data(), true), 0);
    ASSERT_EQ(patterns.set[0]->capture(0), std::to_string(-i));
  }
  EXPECT_EQ(reader.classify_line(patterns.set.data(), false), -1);
}

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

  // A rejected pattern in a set never matches.
  line_pattern* set[] = {&pattern, nullptr};
  string_input in("a\n");
  listing_reader reader(in);
  EXPECT_EQ(reader.classify_line(set, false), -1);
}

TEST(capture_word, truncated_to_the_capture_area) {
  compiled_set patterns({"\t**,\t**,\t**"});
  std::string a150(150, 'a'), b100(100, 'b');
  string_input in(a150 + " " + b100 + " c\n" + std::string(300, 'x') + " y z\n");
  listing_reader reader(in);
  const line_pattern& pattern = *patterns.set[0];
  ASSERT_EQ(reader.classify_line(patterns.set.data(), false), 0);
  EXPECT_EQ(pattern.capture(0), a150);
  EXPECT_EQ(pattern.capture(1), std::string(48, 'b'));
  EXPECT_STREQ(pattern.capture(2), "");
  EXPECT_EQ(pattern.capture_length(0), 150);
  EXPECT_EQ(pattern.capture_length(1), 48);
  EXPECT_EQ(pattern.capture_length(2), 0);
  ASSERT_EQ(reader.classify_line(patterns.set.data(), false), 0);
  EXPECT_EQ(pattern.capture(0), std::string(199, 'x'));
  EXPECT_STREQ(pattern.capture(1), "");
  EXPECT_STREQ(pattern.capture(2), "");
  EXPECT_EQ(pattern.capture_length(0), 199);
  EXPECT_EQ(pattern.capture_length(1), 0);
}

TEST(capture_word, at_most_16_slots) {
  line_pattern pattern;
  pattern.reset_match();
  const char* text = "w0 w1 w2 w3 w4 w5 w6 w7 w8 w9 wa wb wc wd we wf wg";
  for (int i = 0; i < 17; ++i) pattern.capture_word({text + 3 * i, 2});
  EXPECT_STREQ(pattern.capture(15), "wf");
}

TEST(compare_word, literal_comparison) {
  struct {
    const char* line;
    std::int32_t length;
    const char* token;
    bool equal;
  } cases[] = {
      {"Node x", 4, "Node", true}, {"Node", 4, "\tNode", true}, {"Nodes", 5, "Node", false},
      {"Node", 4, "Nodes", false}, {"node", 4, "Node", false},  {"#*", 2, "\t#*", true},
      {"ab cd", 5, "ab cd", true}, {"ab", 2, "ab cd", true},    {"", 0, "x", false},
      {"x", 0, "\t", true},        {"x", 1, "\t", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(line_pattern::compare_word({c.line, c.length}, c.token) == 0, c.equal)
        << c.line << " / " << testing::PrintToString(c.token);
  }
}

}  // namespace
}  // namespace vantrel
