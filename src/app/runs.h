#ifndef VANTREL_APP_RUNS_H
#define VANTREL_APP_RUNS_H

namespace vantrel {

struct run_context;

// The two runs that the front end hands over to, once the search is
// positioned on its first match. Each goes through the matches itself,
// prints one line per match, and stops at the first file that does not
// open, read or write completely, with a message.

// Converts every match into its command file. Under -r loads the lookup
// table first.
void run_conversion(run_context& context);

// Under -f: writes the listing script and the batch file named by the
// Dest slot, five lines for each match. Converts nothing.
void run_batch_list(run_context& context);

}  // namespace vantrel

#endif  // VANTREL_APP_RUNS_H
