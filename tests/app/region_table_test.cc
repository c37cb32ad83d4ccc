#include "app/region_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/run_context.h"
#include "listing/listing_reader.h"
#include "support/pair_array.h"
#include "test_support/failing_allocation.h"
#include "test_support/files.h"
#include "test_support/string_streams.h"

namespace vantrel {
namespace {

using records = std::vector<std::pair<std::int32_t, std::int32_t>>;

records read_table(const std::string& text,
                   std::size_t chunk = vantrel_test::string_input::default_chunk_size) {
  vantrel_test::string_input input(text, chunk);
  listing_reader reader(input);
  pair_array table(16);
  const std::int32_t count = read_region_records(reader, table);
  records result;
  for (std::int32_t k = 0; k < count; ++k) {
    result.emplace_back(table.at(k).region_id, table.at(k).surface_id);
  }
  return result;
}

// Plain records of digits are read in one pass; every other form of a line
// is cut into fields, and both give what to_id gives for the first two; a
// line with an id outside 32 bits is no record.
TEST(region_table, every_form_of_record_line) {
  EXPECT_EQ(read_table("NUM 9\n"
                       "1 10\n"
                       "2\t \t20\r\n"
                       "123456789 987654321\n"
                       "3 0030 x\n"
                       "+4 40\n"
                       "5 -50\n"
                       "6 1234567890\n"
                       "7 99999999999\n"
                       "2147483648 7\n"
                       "13 \f101\n"
                       "8 9x\n"
                       "9x 90\n"
                       "10 0\n"
                       "11\n"
                       "12 120"),
            (records{{1, 10},
                     {2, 20},
                     {123456789, 987654321},
                     {3, 30},
                     {4, 40},
                     {5, -50},
                     {6, 1234567890},
                     {8, 9},
                     {9, 90},
                     {12, 120}}));
  // A line of column titles after the count is passed over, and the
  // records after it are read.
  EXPECT_EQ(read_table("NUM 2\nregion surface\n1 10\n2 20\n"), (records{{1, 10}, {2, 20}}));
  // Without "NUM", the first line is a record too.
  EXPECT_EQ(read_table("1 10\n2 20\n"), (records{{1, 10}, {2, 20}}));
  EXPECT_EQ(read_table("NUM\n"), records{});
}

// Most records are taken straight from the input's chunk, the rest line by
// line; which way a record goes, and where the chunks end, changes no id.
TEST(region_table, records_across_chunk_ends) {
  const char* const gaps[] = {" ", "\t", " \t  ", "                    ",
                              "                         "};
  const char* const ends[] = {"\n", "\r\n", " x\n", "\t\n", "\r\r\n"};
  std::string text = "NUM 5000\n";
  records expected;
  std::uint32_t state = 12345;
  auto next = [&state](std::uint32_t n) {
    state = state * 1103515245u + 12345u;
    return (state >> 8) % n;
  };
  for (int k = 0; k < 5000; ++k) {
    // Ids of 1 to 9 digits, some with leading zeros; lines with leading
    // blanks, and blank lines between them.
    const auto region = static_cast<std::int32_t>(next(1000000000u));
    const auto surface = static_cast<std::int32_t>(next(9999999u) + 1);
    if (next(16) == 0) text += "  ";
    if (next(16) == 0) text += "00";
    text += std::to_string(region) + gaps[next(5)] + std::to_string(surface) + ends[next(5)];
    if (next(32) == 0) text += "\n";
    expected.emplace_back(region, surface);
  }
  EXPECT_EQ(read_table(text, text.size()), expected);
  for (std::size_t chunk : {64, 65, 70, 97, 128, 1000}) {
    EXPECT_EQ(read_table(text, chunk), expected) << "chunks of " << chunk;
  }
}

// A table whose first block of records cannot be had loads nothing, and
// says so, instead of passing for an empty table.
TEST(region_table, records_without_storage) {
  vantrel_test::string_input input("NUM 3\n1 10\n");
  listing_reader reader(input);
  pair_array table(0);
  const vantrel_test::failing_allocation no_storage;
  EXPECT_EQ(read_region_records(reader, table), -1);
}

// A table that outgrows its announced count and then finds no room to grow
// fails as a whole, instead of passing for the records it held.
TEST(region_table, records_that_cannot_grow) {
  std::string text = "NUM 2\n";
  for (int k = 1; k <= 100; ++k) text += std::to_string(k) + " " + std::to_string(k) + "\n";
  for (const std::size_t chunk : {std::size_t{16}, text.size()}) {
    vantrel_test::string_input input(text, chunk);
    listing_reader reader(input);
    pair_array table(0);
    // Room for the first block of 2 records, not for the 16 after it.
    const auto memory = vantrel_test::failing_allocation::over(2 * sizeof(pair_record));
    EXPECT_EQ(read_region_records(reader, table), -1) << "chunks of " << chunk;
  }
}

// A table that loads but whose index does not fit in memory is refused
// with the same message as a table that does not fit.
TEST(region_table, an_index_that_does_not_fit) {
  vantrel_test::temp_dir dir;
  const std::string name = dir / "regions.txt";
  vantrel_test::write_file(name, "NUM 3\n1 10\n2 60000\n3 20\n");
  for (bool fits : {true, false}) {
    run_context context;
    context.args.lookup_name = name.c_str();
    testing::internal::CaptureStdout();
    bool loaded = false;
    {
      // The dense index of ids 10 to 60000 takes 240 KB, the table 24 bytes.
      const auto memory = vantrel_test::failing_allocation::over(fits ? 1 << 20 : 100000);
      loaded = load_region_table(context);
    }
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(loaded, fits);
    EXPECT_EQ(printed, fits ? "" : "\n" + name + " holds more records than memory allows.");
    std::int32_t region = 0;
    EXPECT_EQ(context.regions.find(60000, region), fits);
  }
}

}  // namespace
}  // namespace vantrel
