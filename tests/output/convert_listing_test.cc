#include "output/convert_listing.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "listing/input_stream.h"
#include "listing/listing_reader.h"
#include "output/run_mode.h"
#include "support/output_stream.h"
#include "test_support/string_streams.h"

namespace vantrel {
namespace {

using vantrel_test::string_input;
using vantrel_test::string_output;

// Converts `listing` with `settings`; the output goes to `output`.
conversion_report convert_with(const conversion_settings& settings, const std::string& listing,
                               std::string& output) {
  string_input input(listing);
  listing_reader reader(input);
  string_output out;
  const conversion_report report = convert_listing(reader, out, settings);
  output = out.str();
  return report;
}

std::string convert(int mode, const std::string& listing) {
  conversion_settings settings;
  settings.run_mode = mode;
  settings.file_stem = "frame";
  std::string output;
  convert_with(settings, listing, output);
  return output;
}

// The data pattern's tokens match the word "#*" literally, without a
// capture; in either place, such a line is no data line.
TEST(convert_listing, line_led_by_the_pattern_word_is_no_data_line) {
  EXPECT_EQ(convert(MODE_DISP, "#* 2 1.25\n"), "\r\n");
  EXPECT_EQ(convert(MODE_SELECT, "Node\n5 6\n7 x\n#* #*\n . #* 3\n8 #*\n"), "SELPIC,ND,5;\r\n\r\n");
  EXPECT_EQ(convert(MODE_BEAM, "#* #*\n5 0\n#* 1\n6 #*\n7 0\n"), "el,,cr,0,2,7,5;\r\n\r\n");
}

// Records are put together in the stream's buffer; an output many times the
// buffer puts records, some with long ids, across every fill level.
TEST(convert_listing, long_listings_in_every_mode) {
  const char* const values[] = {"1.5", "-2.5E+00", "3", "4", "5", "6"};
  const char* const labels[] = {"UX", "UY", "UZ", "RX", "RY", "RZ"};
  std::string listing = "Node\r\n", first, select, zset = "**nset frame\r\n", beam, disp;
  for (int i = 1; i <= 20000; ++i) {
    const std::string id = std::to_string(i * 7) + (i % 997 == 0 ? std::string(150, '0') : "");
    listing += "  " + id + "  1.5 -2.5E+00 3 4 5 6\r\n";
    if (i == 1) first = id;
    select += "SELPIC,ND," + id + ";\r\n";
    zset += (i > 1 && i % 11 == 1 ? "\r\n " : " ") + id;
    if (i > 1) beam += "el,,cr,0,2," + id + "," + first + ";\r\n";
    for (int k = 0; k < 6; ++k) disp += "dnd," + id + "," + labels[k] + "," + values[k] + ";\r\n";
  }
  const std::pair<int, std::string> runs[] = {
      {MODE_SELECT, select}, {MODE_ZSET, zset}, {MODE_BEAM, beam}, {MODE_DISP, disp}};
  for (const auto& [mode, records] : runs) {
    const std::string actual = convert(mode, listing), expected = records + "\r\n";
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    EXPECT_TRUE(actual == expected) << "mode " << mode << " differs at byte " << at << ": "
                                    << testing::PrintToString(actual.substr(at, 40)) << " for "
                                    << testing::PrintToString(expected.substr(at, 40));
  }
}

conversion_report convert_inp(int mode, const std::string& listing, std::string& output,
                              const char* listing_name = "a.gem") {
  conversion_settings settings;
  settings.run_mode = mode;
  settings.file_stem = "not the set name";
  settings.set_name = "frame";
  settings.listing_name = listing_name;
  return convert_with(settings, listing, output);
}

std::string convert_inp(int mode, const std::string& listing) {
  std::string output;
  convert_inp(mode, listing, output);
  return output;
}

// Under -a the ids follow their keyword 16 to a line; a header ends the open
// line; ids under other headers and before any are ignored; the output has
// no empty line and ends with its last line.
TEST(convert_listing, inp_sets) {
  std::string nodes, ids_line_1, ids_line_2;
  for (int i = 1; i <= 20; ++i) {
    nodes += std::to_string(i) + " 0.0 1.0\n";
    (i <= 16 ? ids_line_1 : ids_line_2) += (i == 1 || i == 17 ? "" : ", ") + std::to_string(i);
  }
  EXPECT_EQ(convert_inp(MODE_INP_SETS, "3 4\nNode X Y\n" + nodes +
                                           "Surface\n5 6\nElem\n007 1 2\n8 1 2\nNode\n21 0\n"),
            "** a.gem\r\n*NSET, NSET=frame\r\n" + ids_line_1 + "\r\n" + ids_line_2 +
                "\r\n*ELSET, ELSET=frame\r\n007, 8\r\n*NSET, NSET=frame\r\n21\r\n");
  // Exactly 16 ids close their line once; a header without ids still names its set.
  std::string sixteen;
  for (int i = 1; i <= 16; ++i) sixteen += std::to_string(i) + " 0\n";
  EXPECT_EQ(convert_inp(MODE_INP_SETS, "Elem\n" + sixteen + "Node\n"),
            "** a.gem\r\n*ELSET, ELSET=frame\r\n1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, "
            "15, 16\r\n*NSET, NSET=frame\r\n");
  EXPECT_EQ(convert_inp(MODE_INP_SETS, ""), "** a.gem\r\n");
  EXPECT_EQ(convert_inp(MODE_INP_SETS, "Keypoint\n1 2\n"), "** a.gem\r\n");
}

// Under -u each value present is a *BOUNDARY line of its degree of freedom,
// after one keyword line that comes just before the first of them.
TEST(convert_listing, inp_boundary) {
  EXPECT_EQ(
      convert_inp(MODE_INP_BOUNDARY,
                  "Node UX UY UZ RX RY RZ\n14\n12 1 -2.5E-04 3 4 5 6 7 8\nElem\n13 0.5 .25\n"),
      "** a.gem\r\n*BOUNDARY\r\n12, 1, 1, 1\r\n12, 2, 2, -2.5E-04\r\n12, 3, 3, 3\r\n"
      "12, 4, 4, 4\r\n12, 5, 5, 5\r\n12, 6, 6, 6\r\n13, 1, 1, 0.5\r\n13, 2, 2, .25\r\n");
  EXPECT_EQ(convert_inp(MODE_INP_BOUNDARY, "Node\n14\n15\n"), "** a.gem\r\n");
}

// Ids that are no plain ids and values that are no numbers never reach the
// file; the report counts them and keeps the first of each, cut to its
// sample size.
TEST(convert_listing, inp_modes_report_what_they_leave_out) {
  std::string output;
  conversion_report report = convert_inp(
      MODE_INP_SETS, "Node\n1.5 0\n2 0\n0 0\n-3 0\n2147483648 0\nKeypoint\n1.5 0\n", output);
  EXPECT_EQ(output, "** a.gem\r\n*NSET, NSET=frame\r\n2\r\n");
  EXPECT_EQ(report.ids.count, 4);
  EXPECT_STREQ(report.ids.first, "1.5");
  EXPECT_FALSE(report.ids.first_cut);
  EXPECT_EQ(report.values.count, 0);

  const std::string long_value = "1" + std::string(60, '0');
  report = convert_inp(MODE_INP_BOUNDARY,
                       "Node\n7.5 1 2\n8 . 2 " + long_value + " 1.5D0\n9 x\n10 1\n", output);
  EXPECT_EQ(output, "** a.gem\r\n*BOUNDARY\r\n8, 2, 2, 2\r\n10, 1, 1, 1\r\n");
  EXPECT_EQ(report.ids.count, 1);
  EXPECT_STREQ(report.ids.first, "7.5");
  EXPECT_EQ(report.values.count, 4);
  EXPECT_STREQ(report.values.first, ".");
  EXPECT_STREQ(report.first_value_node, "8");

  const std::string long_id = std::string(45, '1') + ".";
  report = convert_inp(MODE_INP_BOUNDARY, "Node\n" + long_id + " 1\n", output);
  EXPECT_EQ(output, "** a.gem\r\n");
  EXPECT_EQ(report.ids.first, long_id.substr(0, conversion_report::sample_size));
  EXPECT_TRUE(report.ids.first_cut);

  // The other modes leave nothing out and report nothing.
  report = convert_inp(MODE_DISP, "Node\n7.5 1 x\n", output);
  EXPECT_EQ(output, "dnd,7.5,UX,1;\r\ndnd,7.5,UY,x;\r\n\r\n");
  EXPECT_EQ(report.ids.count + report.values.count, 0);
}

// The comment line that names the listing stays one printable line of at
// most 256 characters, whatever bytes the name holds.
TEST(convert_listing, inp_comment_line_is_safe) {
  std::string output;
  convert_inp(MODE_INP_BOUNDARY, "", output, "a\rb\nc\xc3\xa9.gem");
  EXPECT_EQ(output, "** a?b?c??.gem\r\n");
  const std::string long_name(300, 'n');
  convert_inp(MODE_INP_SETS, "", output, long_name.c_str());
  EXPECT_EQ(output, "** " + std::string(253, 'n') + "\r\n");
}

// A read error ends the conversion like the end of the listing; the caller
// sees it in the stream.
TEST(convert_listing, stops_at_a_read_error) {
  const std::string listing = "Node\n1 0\n2 0\n345 0\n4 0\n";
  string_input input(listing, 4, listing.find("45"));
  listing_reader reader(input);
  string_output out;
  conversion_settings settings;
  settings.run_mode = MODE_SELECT;
  convert_listing(reader, out, settings);
  EXPECT_EQ(out.str(), "SELPIC,ND,1;\r\nSELPIC,ND,2;\r\n\r\n");
  EXPECT_TRUE(input.bad());
}

}  // namespace
}  // namespace vantrel
