#ifndef VANTREL_PLATFORM_FILE_SYSTEM_H
#define VANTREL_PLATFORM_FILE_SYSTEM_H

#include <cstdio>

namespace vantrel {

// Opens `name` for reading, untranslated, never creating it. Returns null
// when it does not open or is not a regular file (a directory, a FIFO, a
// socket or a device); the open itself never waits for another program.
// Other programs may share the file.
std::FILE* open_for_reading(const char* name);

// Opens `name` for binary writing: created or emptied, or, with `append`,
// created if absent and written at its end. Returns null on failure.
std::FILE* open_for_writing(const char* name, bool append);

// True when both names exist and denote the same file (the same device and
// file number), whatever the spelling of the names.
bool same_file(const char* a, const char* b);

// True when `a` and `b` name the same directory entry, whether or not it
// exists yet: the same file, or the same last component in folders that
// are the same folder. On Windows the last components compare as the
// system compares names: regardless of letter case, trailing dots and
// blanks.
bool same_entry(const char* a, const char* b);

// True when `a` and `b`, two names without a folder part, name the same
// entry of one folder: byte for byte on POSIX systems; on Windows
// regardless of letter case, and of trailing dots and blanks, which the
// system drops.
bool same_name(const char* a, const char* b);

// Makes sure that standard input, output and error are open, putting the
// null device on each one that is closed, so that no file opened later
// takes its place and receives what is meant for the console. Returns
// false when standard output was closed: nothing written to it can reach
// anybody.
bool open_standard_streams();

// Makes the process go on when a write meets a closed pipe or a file-size
// limit: the write then fails and reports it, instead of a signal ending the
// process. Harmless where there are no such signals.
void keep_running_on_write_signals();

}  // namespace vantrel

#endif  // VANTREL_PLATFORM_FILE_SYSTEM_H
