#ifndef VANTREL_APP_MESSAGES_H
#define VANTREL_APP_MESSAGES_H

namespace vantrel {

struct conversion_report;

// Everything the program says on standard output, except the one message
// on standard error that says standard output failed. A message about one
// match that lets the batch go on is one line that ends in a line feed,
// like the progress line. A message that ends the run starts on a new line
// and has no line feed at its end.

// Without arguments: the summary of the command line.
void print_usage();
// Before anything else on every run with arguments.
void print_banner();
// The two command-line errors, which end the process with code 1.
void print_two_options();
void print_bad_command_line();

// The Source matches nothing (or the command line has none).
void print_not_found(const char* source);
// Reading the Source's folder failed, or memory ran out, during the search.
void print_search_failed(const char* source);
// A file buffer or name buffer could not be had at start.
void print_no_buffers();

// One line per match: the match padded to 37 characters, four blanks and
// the destination.
void print_progress(const char* source, const char* destination);
// A match that is its own destination; the batch goes on.
void print_own_destination(const char* source);
// A match whose name would break the commands or lines of `file`, shown
// with its line breaks as '?'; the batch goes on.
void print_unsafe_name(const char* source, const char* file);
// A match whose name the system cannot spell in its code page; the batch
// goes on.
void print_unusable_name(const char* source);
// A match that is UTF-16 text, which the reader cannot take apart; the
// batch goes on.
void print_utf16_skipped(const char* source);

// A file that could not be opened; the batch ends.
void print_will_not_open(const char* name);
// A file whose reading failed before its end; the batch ends.
void print_not_read(const char* name);
// A destination whose writing failed (a full disk); the batch ends.
void print_not_written(const char* name);
// A lookup file that is UTF-16 text; nothing is converted.
void print_utf16(const char* name);
// A lookup file whose table or index does not fit in memory; nothing is
// converted.
void print_too_many_records(const char* name);
// Under -f: a batch file name that is the listing script or a match.
void print_batch_is_list_script(const char* name);
void print_batch_is_a_match(const char* name);

// Standard output, the channel of every message above, keeps the first
// failure to write it. Records `error` as that failure unless one came
// before, as for a standard output that was closed when the program began.
void note_output_failure(int error);
// Flushes standard output. Returns the error number of its first failure,
// or 0 when every message was written.
int end_messages();
// On standard error: "vantrel: standard output: " and the reason for
// `error`.
void print_output_failure(int error);

// vantrel --version: "vantrel" and the version.
void print_version();

// Under -a: the set name `set_name` used for a listing whose stem is no
// valid name; the batch goes on.
void print_set_name_mapped(const char* source, const char* stem, const char* set_name);
// Under -a: a listing whose set name equals, up to case, that of an earlier
// listing written to the same destination in this run.
void print_set_name_clash(const char* source, const char* set_name, const char* earlier_source,
                          const char* earlier_name, const char* destination);
// Under -a and -u: one line for the ids and one for the values that the
// conversion of `source` left out of `destination`, if any.
void print_left_out(const char* source, const char* destination, const conversion_report& report);

}  // namespace vantrel

#endif  // VANTREL_APP_MESSAGES_H
