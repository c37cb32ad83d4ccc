#include "platform/directory_search.h"

#include <cstring>

#include "support/system_seam.h"

namespace vantrel {

char* copy_folder_part(const char* name) {
  std::size_t length = directory_part_length(name);
  if (length == 0) {
    name = ".";
    length = 1;
  }
  char* folder = static_cast<char*>(allocate_storage(length + 1));
  if (folder == nullptr) return nullptr;
  std::memcpy(folder, name, length);
  folder[length] = '\0';
  return folder;
}

bool wildcard_match(const char* pattern, const char* name) {
  // Greedy matching that remembers only the latest '*': when a later piece
  // fails, that star takes one more byte and the match resumes after it.
  // Earlier stars never need to be revisited, because whatever an earlier
  // star could absorb the latest one can absorb as well.
  const char* star = nullptr;
  const char* star_name = nullptr;
  while (*name != '\0') {
    if (*pattern == '*') {
      star = ++pattern;
      star_name = name;
    } else if (*pattern != '\0' && (*pattern == '?' || *pattern == *name)) {
      ++pattern;
      ++name;
    } else if (star != nullptr) {
      pattern = star;
      name = ++star_name;
    } else {
      return false;
    }
  }
  while (*pattern == '*') ++pattern;
  return *pattern == '\0';
}

}  // namespace vantrel
