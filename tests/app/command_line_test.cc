#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "output/run_mode.h"

namespace vantrel {
namespace {

struct parsed {
  command_line::error error;
  command_line line;
};

parsed parse(std::vector<const char*> args) {
  args.insert(args.begin(), "vantrel");
  parsed result;
  result.error = parse_command_line(static_cast<int>(args.size()), args.data(), result.line);
  return result;
}

TEST(command_line, option_letters_pick_the_mode) {
  struct {
    const char* option;
    int mode;
  } cases[] = {{"-s", MODE_SELECT}, {"-d", MODE_DISP},   {"-b", MODE_BEAM},
               {"-q", MODE_QUAD},   {"-z", MODE_ZSET},   {"-rtab.txt", MODE_REGION_LOOKUP},
               {"-fb.cmd", MODE_BATCH_LIST}, {"-x", 0}, {"-S", 0}, {"-", 0}, {"-sx", MODE_SELECT}};
  for (const auto& c : cases) {
    parsed p = parse({c.option, "a.gem"});
    EXPECT_EQ(p.error, command_line::error::none) << c.option;
    EXPECT_EQ(p.line.run_mode, c.mode) << c.option;
    EXPECT_EQ(p.line.source_arg, "a.gem") << c.option;
  }
  EXPECT_EQ(parse({"a.gem"}).line.run_mode, MODE_SELECT);
  EXPECT_EQ(parse({"-z", "a.gem"}).line.default_ext, "zset");
  EXPECT_EQ(parse({"-s", "a.gem"}).line.default_ext, "geo");
}

TEST(command_line, file_names_of_options_and_positions) {
  parsed region = parse({"-r", "table.txt", "a.gem"});
  EXPECT_EQ(region.line.lookup_name, "");
  EXPECT_EQ(region.line.source_arg, "table.txt");
  EXPECT_EQ(region.line.dest_name, "a.gem");
  EXPECT_TRUE(region.line.dest_given);

  parsed batch = parse({"a.geo", "out.geo", "-fconv.cmd"});
  EXPECT_EQ(batch.error, command_line::error::none);
  EXPECT_EQ(batch.line.dest_name, "conv.cmd");
  EXPECT_EQ(batch.line.run_mode, MODE_BATCH_LIST);

  parsed empty_batch = parse({"-f", "*.geo"});
  EXPECT_TRUE(empty_batch.line.dest_taken);
  EXPECT_FALSE(empty_batch.line.dest_given);
  EXPECT_EQ(empty_batch.line.dest_name, "");

  parsed none = parse({"-s"});
  EXPECT_FALSE(none.line.source_seen);
  EXPECT_EQ(none.line.source_arg, "");
}

TEST(command_line, errors) {
  EXPECT_EQ(parse({"-s", "-d", "a.gem"}).error, command_line::error::two_options);
  EXPECT_EQ(parse({"a.gem", "-s", "-s"}).error, command_line::error::two_options);
  EXPECT_EQ(parse({"a.gem", "b.geo", "c.geo"}).error, command_line::error::bad_command_line);
  EXPECT_EQ(parse({"-fb.cmd", "*.geo", "out"}).error, command_line::error::bad_command_line);
}

}  // namespace
}  // namespace vantrel
