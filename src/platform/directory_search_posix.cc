#include "platform/directory_search.h"

#include <dirent.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace vantrel {

// The matches are read in full when the search begins, so that they can be
// yielded in name order; readdir's own order is arbitrary.
struct directory_search::state {
  std::vector<std::string> names;
  std::size_t current = 0;
};

directory_search::directory_search() : state_(new state) {}

directory_search::~directory_search() = default;

bool directory_search::begin(const char* pattern) {
  end();
  if (pattern == nullptr) return false;
  const std::size_t directory_length = directory_part_length(pattern);
  const char* name_pattern = pattern + directory_length;
  if (*name_pattern == '\0') return false;

  const std::string directory =
      directory_length == 0 ? std::string(".") : std::string(pattern, directory_length);
  DIR* dir = opendir(directory.c_str());
  if (dir == nullptr) return false;
  while (const dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
    if (wildcard_match(name_pattern, name)) state_->names.emplace_back(name);
  }
  closedir(dir);

  // std::string compares bytes as unsigned char, the order of strcmp.
  std::sort(state_->names.begin(), state_->names.end());
  return !state_->names.empty();
}

bool directory_search::next() {
  if (state_->current >= state_->names.size()) return false;
  ++state_->current;
  return state_->current < state_->names.size();
}

void directory_search::end() {
  state_->names.clear();
  state_->current = 0;
}

const char* directory_search::name() const {
  if (state_->current >= state_->names.size()) return nullptr;
  return state_->names[state_->current].c_str();
}

std::size_t directory_part_length(const char* pattern) {
  if (pattern == nullptr) return 0;
  const char* slash = std::strrchr(pattern, '/');
  return slash == nullptr ? 0 : static_cast<std::size_t>(slash - pattern) + 1;
}

}  // namespace vantrel
