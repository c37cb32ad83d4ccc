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
      {{"-a", "a.gem"}, error::none, MODE_INP_SETS, "a.gem", "", false, ""},
      {{"a.gem", "-abaqus", "s.inp"}, error::none, MODE_INP_SETS, "a.gem", "s.inp", true, ""},
      {{"-u", "a.gem"}, error::none, MODE_INP_BOUNDARY, "a.gem", "", false, ""},
      {{"-ux", "a.gem", "-a"}, error::two_options, MODE_INP_BOUNDARY, "a.gem", "", false, ""},
      // The questions are asked only alone; among other arguments they are
      // options like any other.
      {{"-h", "a.gem"}, error::none, 0, "a.gem", "", false, ""},
      {{"--help", "a.gem"}, error::none, 0, "a.gem", "", false, ""},
      {{"a.gem", "--version"}, error::none, 0, "a.gem", "", false, ""},
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
    const char* ext = c.mode == MODE_ZSET           ? "zset"
                      : c.mode == MODE_INP_SETS     ? "inp"
                      : c.mode == MODE_INP_BOUNDARY ? "bou"
                                                    : "geo";
    EXPECT_STREQ(line.default_ext.c_str(), ext) << shown;
  }
}

TEST(command_line, questions_asked_alone) {
  using query = command_line::query;
  const struct {
    std::vector<const char*> args;
    query asked;
  } cases[] = {
      {{"--help"}, query::help},
      {{"-h"}, query::help},
      {{"--version"}, query::version},
      {{}, query::none},
      {{"-hx"}, query::none},
      {{"--Help"}, query::none},
      {{"--versions"}, query::none},
      {{"-v"}, query::none},
      {{"--help", "--help"}, query::none},
      {{"--version", "a.gem"}, query::none},
      {{"a.gem", "-h"}, query::none},
  };
  for (const auto& c : cases) {
    std::vector<const char*> args = c.args;
    args.insert(args.begin(), "vantrel");
    EXPECT_EQ(find_query(static_cast<int>(args.size()), args.data()), c.asked)
        << testing::PrintToString(c.args);
  }
}

}  // namespace
}  // namespace vantrel
