#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrel {
namespace {

TEST(command_line, errors) {
  const struct {
    std::vector<const char*> args;
    command_line::error error;
  } cases[] = {
      {{"-s", "-d", "a.gem"}, command_line::error::two_options},
      {{"a.gem", "-s", "-s"}, command_line::error::two_options},
      {{"a.gem", "b.geo", "c.geo"}, command_line::error::bad_command_line},
      {{"-fb.cmd", "*.geo", "out"}, command_line::error::bad_command_line},
      // -f takes the place of Dest; -r takes no detached name.
      {{"a.geo", "out.geo", "-fconv.cmd"}, command_line::error::none},
      {{"-r", "table.txt", "a.gem"}, command_line::error::none},
  };
  for (const auto& c : cases) {
    std::vector<const char*> args = c.args;
    args.insert(args.begin(), "vantrel");
    command_line line;
    EXPECT_EQ(parse_command_line(static_cast<int>(args.size()), args.data(), line), c.error)
        << args[1] << " " << args[2] << " " << args[3];
  }
}

}  // namespace
}  // namespace vantrel
