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

// The comment line that names the listing stays one printable line of at
// most 256 characters, whatever bytes the name holds.
TEST(convert_listing, inp_comment_line_is_safe) {
  const std::string long_name(300, 'n');
  const std::pair<const char*, std::string> names[] = {
      {"a b~\x7f\x01\r\nc\xc3\xa9.gem", "** a b~????c??.gem\r\n"},
      {long_name.c_str(), "** " + std::string(253, 'n') + "\r\n"}};
  for (const int mode : {MODE_INP_SETS, MODE_INP_BOUNDARY}) {
    for (const auto& [name, comment] : names) {
      conversion_settings settings;
      settings.run_mode = mode;
      settings.set_name = "frame";
      settings.listing_name = name;
      std::string output;
      convert_with(settings, "", output);
      EXPECT_EQ(output, comment) << mode;
    }
  }
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
