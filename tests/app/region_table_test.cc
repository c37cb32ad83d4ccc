#include "app/region_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "listing/input_stream.h"
#include "listing/listing_reader.h"
#include "support/pair_array.h"

namespace vantrel {
namespace {

using records = std::vector<std::pair<int, int>>;

records load(const std::string& text) {
  string_input input(text);
  listing_reader reader(input);
  pair_array table(16);
  std::int32_t count = read_region_records(reader, table);
  records loaded;
  for (std::int32_t k = 0; k < count; ++k) loaded.emplace_back(table.at(k).region_id, table.at(k).surface_id);
  return loaded;
}

TEST(region_table, reads_records_in_file_order) {
  EXPECT_EQ(load("NUM 4\n3 101\n3 102\n7 230\n"), (records{{3, 101}, {3, 102}, {7, 230}}));
  EXPECT_EQ(load("1 10\r\n\r\n   2 20\r\n"), (records{{1, 10}, {2, 20}}));
  EXPECT_EQ(load("num 5\n4 0\n0 9\n12,5 8\n6\n"), (records{{0, 5}, {0, 9}, {12, 8}}));
  EXPECT_EQ(load(""), records{});
  EXPECT_EQ(load("NUM 2"), records{});
  EXPECT_EQ(load("NUM\n1 2\n"), (records{{1, 2}}));
}

TEST(region_table, keeps_an_unterminated_last_record) {
  EXPECT_EQ(load("1 10\n2 20"), (records{{1, 10}, {2, 20}}));
  EXPECT_EQ(load("NUM 2\n5 7"), (records{{5, 7}}));
  EXPECT_EQ(load("5 7"), (records{{5, 7}}));
}

TEST(region_table, grows_past_the_announced_count) {
  for (const char* header : {"NUM 2\n", "NUM 0\n", "NUM -5\n", "NUM\n", ""}) {
    std::string text = header;
    records expected;
    for (int k = 1; k <= 20000; ++k) {
      text += std::to_string(k % 7) + " " + std::to_string(k) + "\n";
      expected.emplace_back(k % 7, k);
    }
    EXPECT_EQ(load(text), expected) << header;
  }
}

}  // namespace
}  // namespace vantrel
