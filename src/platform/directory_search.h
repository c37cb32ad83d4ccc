#ifndef VANTREL_PLATFORM_DIRECTORY_SEARCH_H
#define VANTREL_PLATFORM_DIRECTORY_SEARCH_H

#include <cstddef>
#include <memory>

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
  // Returns false when nothing matches, the directory cannot be read or
  // the pattern is empty. Ends any search already begun.
  bool begin(const char* pattern);
  // Moves to the next match; false when there is none.
  bool next();
  // Ends the search; harmless when none was begun.
  void end();

  // Bare name of the current match, or null when there is none; valid
  // until next() or end().
  const char* name() const;

 private:
  struct state;
  std::unique_ptr<state> state_;
};

// Length of the directory part of `pattern`: everything up to and including
// its last '/' (on Windows also '\'); 0 when it has none.
std::size_t directory_part_length(const char* pattern);

// True when `name` matches `pattern` as a whole, where '*' matches any run
// of bytes (also empty), '?' exactly one byte, and every other byte itself.
// Takes time proportional to the product of the lengths at worst.
bool wildcard_match(const char* pattern, const char* name);

}  // namespace vantrel

#endif  // VANTREL_PLATFORM_DIRECTORY_SEARCH_H
