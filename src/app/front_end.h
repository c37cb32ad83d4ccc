#ifndef VANTREL_APP_FRONT_END_H
#define VANTREL_APP_FRONT_END_H

namespace vantrel {

// Runs the program on the argument vector: prints the usage text when there
// are no arguments, otherwise the banner, then parses the command line,
// searches for the Source and runs the selected mode over every match.
// Returns the process exit code: 1 for the two command-line errors,
// messages_lost_status when standard output could not take every message
// (which standard error then says), else 0.
int run_front_end(int argc, const char* const* argv);

// The exit code of a run whose messages could not all be written.
constexpr int messages_lost_status = 2;

}  // namespace vantrel

#endif  // VANTREL_APP_FRONT_END_H
