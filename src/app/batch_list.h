#ifndef VANTREL_APP_BATCH_LIST_H
#define VANTREL_APP_BATCH_LIST_H

namespace vantrel {

struct run_context;

// The name of the fixed listing script that the batch file calls.
extern const char list_script_name[];

// Under -f: writes the listing script and the batch file named by the
// command output's file name, five lines for each match of the search,
// which must be positioned on its first match. Converts nothing.
void run_batch_list(run_context& context);

}  // namespace vantrel

#endif  // VANTREL_APP_BATCH_LIST_H
