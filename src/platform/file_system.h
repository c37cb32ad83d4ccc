#ifndef VANTREL_PLATFORM_FILE_SYSTEM_H
#define VANTREL_PLATFORM_FILE_SYSTEM_H

#include <cstddef>
#include <cstdio>

namespace vantrel {

// Opens `name` for reading, untranslated, never creating it. Returns null
// when it does not open or is not a regular file (a directory, a FIFO, a
// socket or a device); the open itself never waits for another program.
// Other programs may share the file.
std::FILE* open_for_reading(const char* name);

// How open_for_writing treats the file's content.
enum class write_mode {
  appended,  // created when absent, written after its content
  kept,      // created when absent, its content kept until empty_file()
};

// Opens `name` for binary writing in `mode`, creating it (or, through a
// link that leads nowhere yet, the file the link names) when absent.
// Returns null on failure, and then leaves no file that it created.
// `*created` (when given) tells whether this call made the file.
std::FILE* open_for_writing(const char* name, write_mode mode, bool* created = nullptr);

// Empties a file opened for writing, which is then written from its start.
// A device or a pipe, which holds nothing, is left as it is.
bool empty_file(std::FILE* file);

// Removes the file that `name` reaches: through links, the file they lead
// to, while the links stay. False when it is not removed.
bool remove_file(const char* name);

// What tells one file from another whatever the names it is reached by:
// its device and its number there.
struct file_identity {
  unsigned long long device = 0;
  unsigned long long number = 0;

  bool operator==(const file_identity& other) const {
    return device == other.device && number == other.number;
  }
};

// The identity of the file `name` reaches (following links), or of an open
// file; false when it cannot be had.
bool identity_of(const char* name, file_identity& identity);
bool identity_of(std::FILE* file, file_identity& identity);

// True when both names exist and denote the same file (the same device and
// file number), whatever the spelling of the names.
bool same_file(const char* a, const char* b);

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
