#ifndef VANTREL_APP_FRONT_END_H
#define VANTREL_APP_FRONT_END_H

namespace vantrel {

// Runs the program on the argument vector: prints the usage text when there
// are no arguments, otherwise the banner, then parses the command line,
// searches for the Source and runs the selected mode over every match.
// Returns the process exit code: 1 for the two command-line errors, else 0.
int run_front_end(int argc, const char* const* argv);

}  // namespace vantrel

#endif  // VANTREL_APP_FRONT_END_H
