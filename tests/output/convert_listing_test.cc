#include "output/convert_listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listing/input_stream.h"
#include "listing/listing_reader.h"
#include "output/run_mode.h"
#include "support/output_stream.h"
#include "support/pair_array.h"
#include "support/region_index.h"

namespace vantrel {
namespace {

std::string convert(int mode, const std::string& listing, const region_index* regions = nullptr) {
  string_input input(listing);
  listing_reader reader(input);
  string_output out;
  conversion_settings settings;
  settings.run_mode = mode;
  settings.file_stem = "frame";
  settings.regions = regions;
  EXPECT_EQ(convert_listing(reader, out, settings), 0);
  return out.str();
}

const char worked_listing[] =
    "Node X Y Z RX RY RZ\r\n"
    "1 0.0 0.5 0.0 0.0 0.0 0.0\r\n"
    "2 1.0 0.5 0.0 0.0 0.0 0.0\r\n";

TEST(convert_listing, worked_example_in_every_mode) {
  EXPECT_EQ(convert(MODE_SELECT, worked_listing), "SELPIC,ND,1;\r\nSELPIC,ND,2;\r\n\r\n");
  EXPECT_EQ(convert(MODE_ZSET, worked_listing), "**nset frame\r\n 1 2\r\n");
  EXPECT_EQ(convert(MODE_BEAM, worked_listing), "el,,cr,0,2,2,1;\r\n\r\n");
  EXPECT_EQ(convert(MODE_DISP, worked_listing),
            "dnd,1,UX,0.0;\r\ndnd,1,UY,0.5;\r\ndnd,1,UZ,0.0;\r\n"
            "dnd,1,RX,0.0;\r\ndnd,1,RY,0.0;\r\ndnd,1,RZ,0.0;\r\n"
            "dnd,2,UX,1.0;\r\ndnd,2,UY,0.5;\r\ndnd,2,UZ,0.0;\r\n"
            "dnd,2,RX,0.0;\r\ndnd,2,RY,0.0;\r\ndnd,2,RZ,0.0;\r\n\r\n");
  EXPECT_EQ(convert(MODE_QUAD, worked_listing), "\r\n");
  EXPECT_EQ(convert(0, worked_listing), "\r\n");
}

TEST(convert_listing, empty_listing_yields_one_line_break) {
  for (int mode : {MODE_SELECT, MODE_REGION_LOOKUP, MODE_ZSET, MODE_BEAM, MODE_DISP, MODE_QUAD}) {
    EXPECT_EQ(convert(mode, ""), "\r\n") << mode;
  }
}

TEST(convert_listing, selection_needs_a_header) {
  EXPECT_EQ(convert(MODE_SELECT, "3 1\nRegion\n3 1\n"), "SELPIC,RG,3;\r\n\r\n");
}

TEST(convert_listing, set_lines_hold_eleven_ids) {
  std::string listing = "Node\n";
  for (int i = 1; i <= 23; ++i) listing += std::to_string(i) + " 0\n";
  EXPECT_EQ(convert(MODE_ZSET, listing),
            "**nset frame\r\n 1 2 3 4 5 6 7 8 9 10 11\r\n"
            " 12 13 14 15 16 17 18 19 20 21 22\r\n 23\r\n");
}

TEST(convert_listing, set_header_ends_an_open_line_of_ids) {
  EXPECT_EQ(convert(MODE_ZSET, "Node\n1 0\n2 0\nElem\n7 1\nKeypoint\n3 0\n"),
            "**nset frame\r\n 1 2\r\n**elset frame\r\n 7\r\n");
}

TEST(convert_listing, displacement_writes_only_the_values_present) {
  EXPECT_EQ(convert(MODE_DISP, "5 0.1 0.2\n6\n"), "dnd,5,UX,0.1;\r\ndnd,5,UY,0.2;\r\n\r\n");
}

// The data pattern's token matches the word "#*" literally, without a
// capture; such a line must not be written with a missing or stale id.
TEST(convert_listing, line_led_by_the_pattern_word_is_no_data_line) {
  EXPECT_EQ(convert(MODE_DISP, "#* 2 1.25\n"), "\r\n");
  EXPECT_EQ(convert(MODE_SELECT, "Node\n5 6\n7 x\n#* #*\n . #* 3\n8 #*\n"),
            "SELPIC,ND,5;\r\nSELPIC,ND,8;\r\n\r\n");
  EXPECT_EQ(convert(MODE_BEAM, "#* #*\n5 0\n#* 1\n7 0\n"), "el,,cr,0,2,7,5;\r\n\r\n");
}

// Reports the first byte where two long outputs part, instead of both.
void expect_same_output(const std::string& actual, const std::string& expected, int mode) {
  std::size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  EXPECT_EQ(actual.size(), expected.size()) << "mode " << mode;
  if (at < actual.size() || at < expected.size()) {
    ADD_FAILURE() << "mode " << mode << " differs at byte " << at << ": "
                  << testing::PrintToString(actual.substr(at, 40)) << " instead of "
                  << testing::PrintToString(expected.substr(at, 40));
  }
}

// Records are put together in the stream's buffer; a listing whose output
// is many times the buffer puts records across every fill level.
TEST(convert_listing, long_listings_in_every_mode) {
  std::string listing = "Node\r\n";
  std::vector<std::string> ids;
  for (int i = 1; i <= 20000; ++i) {
    ids.push_back(std::to_string(i * 7) + (i % 997 == 0 ? std::string(150, '0') : ""));
    listing += "  " + ids.back() + "  1.5 -2.5E+00 3 4 5 6\r\n";
  }
  std::string select, zset = "**nset frame\r\n", beam, disp;
  const char* labels[] = {"UX", "UY", "UZ", "RX", "RY", "RZ"};
  const char* values[] = {"1.5", "-2.5E+00", "3", "4", "5", "6"};
  for (std::size_t i = 0; i < ids.size(); ++i) {
    select += "SELPIC,ND," + ids[i] + ";\r\n";
    zset += (i > 0 && i % 11 == 0 ? "\r\n " : " ") + ids[i];
    if (i > 0) beam += "el,,cr,0,2," + ids[i] + "," + ids[0] + ";\r\n";
    for (int k = 0; k < 6; ++k) {
      disp += "dnd," + ids[i] + "," + labels[k] + "," + values[k] + ";\r\n";
    }
  }
  expect_same_output(convert(MODE_SELECT, listing), select + "\r\n", MODE_SELECT);
  expect_same_output(convert(MODE_ZSET, listing), zset + "\r\n", MODE_ZSET);
  expect_same_output(convert(MODE_BEAM, listing), beam + "\r\n", MODE_BEAM);
  expect_same_output(convert(MODE_DISP, listing), disp + "\r\n", MODE_DISP);
}

TEST(convert_listing, region_lookup_replaces_found_surfaces) {
  pair_array table(4);
  ASSERT_TRUE(table.resize(4));
  table.at(0) = {3, 101};
  table.at(1) = {0, 102};
  table.at(2) = {9, 101};
  table.at(3) = {7, 230};
  region_index regions;
  regions.build(table, 4);
  EXPECT_EQ(
      convert(MODE_REGION_LOOKUP, "Surface\n101 0\n0101 0\n102 0\n555 0\nNode\n230 0\n", &regions),
      "SELPIC,RG,3,\r\nSELPIC,RG,3,\r\n"    // the first record of surface 101 wins
      "SELPIC,RG,0,\r\nSELPIC,SF,102;\r\n"  // region 0 selects the surface as well
      "SELPIC,SF,555;\r\nSELPIC,ND,230;\r\n\r\n");
}

}  // namespace
}  // namespace vantrel
