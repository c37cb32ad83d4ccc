#ifndef VANTREL_APP_MESSAGES_H
#define VANTREL_APP_MESSAGES_H

namespace vantrel {

// The run's messages on standard output. The failure messages start on a
// new line and end without a line feed.

// A file that could not be opened; the batch ends.
void print_will_not_open(const char* name);
// A destination whose writing failed (a full disk); the batch ends.
void print_not_written(const char* name);
// One line per match: the match padded to 37 characters, four blanks and
// the destination.
void print_progress(const char* source, const char* destination);

}  // namespace vantrel

#endif  // VANTREL_APP_MESSAGES_H
