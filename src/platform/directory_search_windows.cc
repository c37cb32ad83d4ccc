#include "platform/directory_search.h"

#include <windows.h>

#include <cstring>

namespace vantrel {

// The system's search runs lazily: each next() asks it for one more entry,
// in the order it yields them.
struct directory_search::state {
  HANDLE handle = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAA found;
  bool has_match = false;
};

namespace {

bool is_dot_entry(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

}  // namespace

directory_search::directory_search() : state_(new state) {}

directory_search::~directory_search() { end(); }

bool directory_search::begin(const char* pattern) {
  end();
  if (pattern == nullptr || pattern[directory_part_length(pattern)] == '\0') return false;
  state_->handle = FindFirstFileA(pattern, &state_->found);
  if (state_->handle == INVALID_HANDLE_VALUE) return false;
  state_->has_match = true;
  if (is_dot_entry(state_->found.cFileName)) return next();
  return true;
}

bool directory_search::next() {
  if (!state_->has_match) return false;
  do {
    if (FindNextFileA(state_->handle, &state_->found) == 0) {
      state_->has_match = false;
      return false;
    }
  } while (is_dot_entry(state_->found.cFileName));
  return true;
}

void directory_search::end() {
  if (state_->handle != INVALID_HANDLE_VALUE) FindClose(state_->handle);
  state_->handle = INVALID_HANDLE_VALUE;
  state_->has_match = false;
}

const char* directory_search::name() const {
  return state_->has_match ? state_->found.cFileName : nullptr;
}

std::size_t directory_part_length(const char* pattern) {
  if (pattern == nullptr) return 0;
  std::size_t length = 0;
  for (std::size_t i = 0; pattern[i] != '\0'; ++i) {
    if (pattern[i] == '/' || pattern[i] == '\\') length = i + 1;
  }
  return length;
}

}  // namespace vantrel
