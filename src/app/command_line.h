#ifndef VANTREL_APP_COMMAND_LINE_H
#define VANTREL_APP_COMMAND_LINE_H

#include "support/dyn_string.h"

namespace vantrel {

// What the command line `vantrel -option  Source [Dest]` asks for. The
// names point into the argument vector, which outlives the run.
struct command_line {
  enum class error { none, two_options, bad_command_line };
  // A question about the program instead of a run.
  enum class query { none, help, version };

  int run_mode = 0;
  bool option_seen = false;
  // The Source as typed; empty while none was given.
  const char* source_arg = "";
  bool source_seen = false;
  // The destination slot: a Dest argument, or the file name of -f.
  const char* dest_name = "";
  // Whether the slot is filled, by either of the two: a further name that
  // is not an option is then one too many.
  bool dest_taken = false;
  // Whether the slot holds a Dest argument: every match is then written
  // there, and no name is made from the match's stem. Under -f the slot is
  // taken but no Dest is given.
  bool dest_given = false;
  // The file name of -r.
  const char* lookup_name = "";
  // "zset" under -z, "inp" under -a, "bou" under -u, else "geo".
  dyn_string default_ext{"geo"};
};

// Parses args[1..count-1] in order into `line`. Stops at the first error,
// which it returns; `line` then holds what was parsed before it. Without an
// option the run mode is the selection mode; with an option whose letter is
// unknown it stays 0.
command_line::error parse_command_line(int count, const char* const* args, command_line& line);

// The question that a command line of exactly one argument asks: "--help"
// or "-h" for the usage text, "--version" for the version. Every other
// command line asks none and is parsed as a run.
command_line::query find_query(int count, const char* const* args);

}  // namespace vantrel

#endif  // VANTREL_APP_COMMAND_LINE_H
