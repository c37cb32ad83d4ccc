#include "platform/directory_search.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <new>

#include "support/system_seam.h"

namespace vantrel {

namespace {

bool is_dot_entry(const wchar_t* name) {
  return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0;
}

// Converts `wide` into `out` (room for 2 * MAX_PATH + 1 bytes). Returns
// false when some character has no exact spelling in the code page; `out`
// then shows it as '?'.
bool to_code_page(const wchar_t* wide, char* out) {
  BOOL lost = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, out, 2 * MAX_PATH + 1,
                                    "?", &lost);
  if (n == 0) {
    out[0] = '\0';
    return false;
  }
  return lost == FALSE;
}

}  // namespace

// The system's search runs lazily: each next() asks it for one more entry,
// in the order it yields them. It runs on wide names, so that a name that
// the code page cannot spell is noticed instead of arriving as a different
// name.
struct directory_search::state {
  wchar_t pattern[MAX_PATH] = {};
  HANDLE handle = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAW found;
  bool has_match = false;
  // The current match in the code page of the program's other file names.
  char name[2 * MAX_PATH + 1];

  // Puts the current entry's name into `name`. A long name that the code
  // page cannot spell is reached through the entry's short (8.3) name,
  // where the file system keeps one. Returns false when neither can be
  // used; `name` then holds the long name with '?' for what was lost.
  bool take_name() {
    if (to_code_page(found.cFileName, name)) return true;
    char lossy[sizeof name];
    std::memcpy(lossy, name, sizeof lossy);
    if (found.cAlternateFileName[0] != L'\0' && to_code_page(found.cAlternateFileName, name)) {
      return true;
    }
    std::memcpy(name, lossy, sizeof lossy);
    return false;
  }
};

directory_search::directory_search() = default;

directory_search::~directory_search() { end(); }

bool directory_search::begin(const char* pattern) {
  end();
  if (pattern == nullptr || pattern[directory_part_length(pattern)] == '\0') return false;
  void* storage = allocate_storage(sizeof(state));
  if (storage == nullptr) {
    failed_ = true;
    return false;
  }
  state_ = new (storage) state;
  if (MultiByteToWideChar(CP_ACP, 0, pattern, -1, state_->pattern, MAX_PATH) == 0) return false;
  return rewind();
}

bool directory_search::rewind() {
  if (state_ == nullptr || state_->pattern[0] == L'\0') return false;
  if (state_->handle != INVALID_HANDLE_VALUE) FindClose(state_->handle);
  state_->has_match = false;
  failed_ = false;
  state_->handle = FindFirstFileW(state_->pattern, &state_->found);
  if (state_->handle == INVALID_HANDLE_VALUE) return false;
  state_->has_match = true;
  if (is_dot_entry(state_->found.cFileName)) return next();
  name_usable_ = state_->take_name();
  return true;
}

bool directory_search::next() {
  if (state_ == nullptr || !state_->has_match) return false;
  do {
    if (FindNextFileW(state_->handle, &state_->found) == 0) {
      state_->has_match = false;
      failed_ = GetLastError() != ERROR_NO_MORE_FILES;
      return false;
    }
  } while (is_dot_entry(state_->found.cFileName));
  name_usable_ = state_->take_name();
  return true;
}

void directory_search::end() {
  if (state_ != nullptr) {
    if (state_->handle != INVALID_HANDLE_VALUE) FindClose(state_->handle);
    state_->~state();
    std::free(state_);
    state_ = nullptr;
  }
  name_usable_ = true;
  failed_ = false;
}

const char* directory_search::name() const {
  return state_ != nullptr && state_->has_match ? state_->name : nullptr;
}

std::size_t directory_part_length(const char* pattern) {
  if (pattern == nullptr) return 0;
  // A drive "X:" is a directory part of its own: "C:*.gem" searches the
  // current folder of drive C.
  std::size_t length = 0;
  if (((pattern[0] >= 'A' && pattern[0] <= 'Z') || (pattern[0] >= 'a' && pattern[0] <= 'z')) &&
      pattern[1] == ':') {
    length = 2;
  }
  for (std::size_t i = length; pattern[i] != '\0'; ++i) {
    if (pattern[i] == '/' || pattern[i] == '\\') length = i + 1;
  }
  return length;
}

}  // namespace vantrel
