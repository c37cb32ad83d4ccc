#ifndef VANTREL_PLATFORM_DIRECTORY_SEARCH_H
#define VANTREL_PLATFORM_DIRECTORY_SEARCH_H

#include <cstddef>

namespace vantrel {

// Enumerates the entries of one directory that match a wildcard pattern,
// yielding bare names (without the directory part). "." and ".." are never
// matches; directories match like files.
//
// On POSIX systems only '*' (any run, also empty) and '?' (one character)
// are wildcards, every other character matches itself, a leading '.' is
// matched by wildcards, names compare case-sensitively, and matches come
// sorted by name in byte order. On Windows the system's search decides.
class directory_search {
 public:
  directory_search();
  ~directory_search();
  directory_search(const directory_search&) = delete;
  directory_search& operator=(const directory_search&) = delete;

  // Starts a search with `pattern` and positions it on the first match.
  // Returns false when nothing matches, the directory does not open, the
  // pattern is empty, or the search failed (see failed()). Ends any search
  // already begun.
  bool begin(const char* pattern);
  // Moves to the next match; false when there is none or the search failed.
  bool next();
  // Positions the search on its first match again, as begin() with the same
  // pattern would; false when there is none.
  bool rewind();
  // Ends the search; harmless when none was begun.
  void end();

  // Bare name of the current match, or null when there is none; valid
  // until next() or end().
  const char* name() const;
  // False when the current match's name cannot be spelled in the system's
  // code page and it has no short name to use instead; name() then gives it
  // with '?' for what was lost, for a message. Always true on POSIX systems.
  bool name_usable() const { return name_usable_; }
  // True once begin() or next() returned false because reading the
  // directory failed or memory ran out, not because no match was left.
  bool failed() const { return failed_; }

 private:
  struct state;
  state* state_ = nullptr;  // from the injectable allocation; null before a search
  bool name_usable_ = true;
  bool failed_ = false;
};

// Length of the directory part of `pattern`: everything up to and including
// its last '/' (on Windows also '\', or a drive "X:"); 0 when it has none.
std::size_t directory_part_length(const char* pattern);

// A copy of the directory part of `name` that opens as the folder it names,
// "." when it has none; from the injectable allocation and freed with
// std::free, or null when the storage cannot be had.
char* copy_folder_part(const char* name);

// True when `name` matches `pattern` as a whole, where '*' matches any run
// of bytes (also empty), '?' exactly one byte, and every other byte itself.
// Takes time proportional to the product of the lengths at worst.
bool wildcard_match(const char* pattern, const char* name);

}  // namespace vantrel

#endif  // VANTREL_PLATFORM_DIRECTORY_SEARCH_H
