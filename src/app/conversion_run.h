#ifndef VANTREL_APP_CONVERSION_RUN_H
#define VANTREL_APP_CONVERSION_RUN_H

namespace vantrel {

struct run_context;

// Converts every match of the search, which must be positioned on its first
// match, into its command file, printing one progress line per match. Under
// -r loads the lookup table first. Stops at the first file that does not
// open or cannot be written, with a message.
void run_conversion(run_context& context);

}  // namespace vantrel

#endif  // VANTREL_APP_CONVERSION_RUN_H
