#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/run_mode.h"

namespace vantrel {
namespace {

// Every row gives what the parse leaves behind, also when it stops at an
// error: then only what came before the offending argument is in `line`.
TEST(command_line, parsed_arguments) {
  using error = command_line::error;
  const struct {
    std::vector<const char*> args;
    error outcome;
    int mode;
    const char* source;
    const char* dest;
    bool dest_given;
    const char* lookup;
  } cases[] = {
      {{}, error::none, MODE_SELECT, "", "", false, ""},
      {{"a.gem"}, error::none, MODE_SELECT, "a.gem", "", false, ""},
      {{"a.gem", "-s"}, error::none, MODE_SELECT, "a.gem", "", false, ""},
      {{"-b", "a.gem", "x.geo"}, error::none, MODE_BEAM, "a.gem", "x.geo", true, ""},
      {{"-dx", "a.gem"}, error::none, MODE_DISP, "a.gem", "", false, ""},
      {{"a.gem", "-qrt"}, error::none, MODE_QUAD, "a.gem", "", false, ""},
      {{"-zebulon", "a.gem"}, error::none, MODE_ZSET, "a.gem", "", false, ""},
      {{"-rt.txt", "a.gem"}, error::none, MODE_REGION_LOOKUP, "a.gem", "", false, "t.txt"},
      // -r takes no detached name: the next argument is the Source.
      {{"-r", "t.txt", "a.gem"}, error::none, MODE_REGION_LOOKUP, "t.txt", "a.gem", true, ""},
      {{"-fb.cmd", "*.geo"}, error::none, MODE_BATCH_LIST, "*.geo", "b.cmd", false, ""},
      {{"-f", "*.geo"}, error::none, MODE_BATCH_LIST, "*.geo", "", false, ""},
      // A -f after Dest takes its place.
      {{"a.geo", "o.geo", "-fc.cmd"}, error::none, MODE_BATCH_LIST, "a.geo", "c.cmd", true, ""},
      // Unknown letters, upper case and a bare '-' are the one option, with no mode.
      {{"-x", "a.gem"}, error::none, 0, "a.gem", "", false, ""},
      {{"a.gem", "-S"}, error::none, 0, "a.gem", "", false, ""},
      {{"-", "a.gem"}, error::none, 0, "a.gem", "", false, ""},
      {{"-s", "-z", "a.gem"}, error::two_options, MODE_SELECT, "", "", false, ""},
      {{"a.gem", "-x", "-s"}, error::two_options, 0, "a.gem", "", false, ""},
      {{"a.gem", "b.geo", "c.geo"}, error::bad_command_line, 0, "a.gem", "b.geo", true, ""},
      {{"-fb.cmd", "a", "o"}, error::bad_command_line, MODE_BATCH_LIST, "a", "b.cmd", false, ""},
  };
  for (const auto& c : cases) {
    std::vector<const char*> args = c.args;
    args.insert(args.begin(), "vantrel");
    std::string shown;
    for (const char* arg : c.args) shown += std::string(" ") + arg;
    command_line line;
    EXPECT_EQ(parse_command_line(static_cast<int>(args.size()), args.data(), line), c.outcome)
        << shown;
    EXPECT_EQ(line.run_mode, c.mode) << shown;
    EXPECT_STREQ(line.source_arg, c.source) << shown;
    EXPECT_EQ(line.option_seen, shown.find(" -") != std::string::npos) << shown;
    EXPECT_EQ(line.source_seen, *c.source != '\0') << shown;
    EXPECT_STREQ(line.dest_name, c.dest) << shown;
    EXPECT_EQ(line.dest_given, c.dest_given) << shown;
    EXPECT_EQ(line.dest_taken, c.dest_given || c.mode == MODE_BATCH_LIST) << shown;
    EXPECT_STREQ(line.lookup_name, c.lookup) << shown;
    EXPECT_STREQ(line.default_ext.c_str(), c.mode == MODE_ZSET ? "zset" : "geo") << shown;
  }
}

}  // namespace
}  // namespace vantrel
