#include "platform/file_system.h"

#include <cstdlib>

#include "platform/directory_search.h"

namespace vantrel {

bool same_entry(const char* a, const char* b) {
  if (same_file(a, b)) return true;
  const std::size_t length_a = directory_part_length(a);
  const std::size_t length_b = directory_part_length(b);
  if (a[length_a] == '\0' || !same_name(a + length_a, b + length_b)) return false;
  char* folder_a = copy_folder_part(a);
  char* folder_b = copy_folder_part(b);
  const bool same = folder_a != nullptr && folder_b != nullptr && same_file(folder_a, folder_b);
  std::free(folder_a);
  std::free(folder_b);
  return same;
}

}  // namespace vantrel
