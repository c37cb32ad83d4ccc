#include "app/command_line.h"

#include <cstring>

#include "output/run_mode.h"

namespace vantrel {
namespace {

// Applies the option `arg` (which begins with '-'): its letter picks the
// mode, and -f and -r take the rest of the argument as a file name.
void apply_option(const char* arg, command_line& line) {
  const char letter = arg[1];
  const char* tail = letter == '\0' ? arg + 1 : arg + 2;
  switch (letter) {
    case 'b':
      line.run_mode = MODE_BEAM;
      break;
    case 'd':
      line.run_mode = MODE_DISP;
      break;
    case 'q':
      line.run_mode = MODE_QUAD;
      break;
    case 's':
      line.run_mode = MODE_SELECT;
      break;
    case 'z':
      line.run_mode = MODE_ZSET;
      line.default_ext.assign("zset");
      break;
    case 'a':
      line.run_mode = MODE_INP_SETS;
      line.default_ext.assign("inp");
      break;
    case 'u':
      line.run_mode = MODE_INP_BOUNDARY;
      line.default_ext.assign("bou");
      break;
    case 'f':
      line.run_mode = MODE_BATCH_LIST;
      line.dest_name = tail;
      line.dest_taken = true;
      break;
    case 'r':
      line.run_mode = MODE_REGION_LOOKUP;
      line.lookup_name = tail;
      break;
    default:  // unknown letters still count as the one option
      break;
  }
}

}  // namespace

command_line::error parse_command_line(int count, const char* const* args, command_line& line) {
  for (int i = 1; i < count; ++i) {
    const char* arg = args[i];
    if (arg[0] == '-') {
      if (line.option_seen) return command_line::error::two_options;
      line.option_seen = true;
      apply_option(arg, line);
    } else if (!line.source_seen) {
      line.source_arg = arg;
      line.source_seen = true;
    } else {
      if (line.dest_taken) return command_line::error::bad_command_line;
      line.dest_name = arg;
      line.dest_given = line.dest_taken = true;
    }
  }
  if (!line.option_seen) line.run_mode = MODE_SELECT;
  return command_line::error::none;
}

command_line::query find_query(int count, const char* const* args) {
  if (count != 2) return command_line::query::none;
  const char* arg = args[1];
  if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
    return command_line::query::help;
  }
  if (std::strcmp(arg, "--version") == 0) return command_line::query::version;
  return command_line::query::none;
}

}  // namespace vantrel
