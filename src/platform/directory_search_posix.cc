#include "platform/directory_search.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>

#include "support/system_seam.h"

namespace vantrel {

namespace {

// A block from the injectable allocation that holds `used` bytes of `old`
// (freed) and room for `size` bytes in all; null, with `old` kept, when it
// cannot be had.
char* regrow(char* old, std::size_t used, std::size_t size) {
  char* block = static_cast<char*>(allocate_storage(size));
  if (block == nullptr) return nullptr;
  if (used > 0) std::memcpy(block, old, used);
  std::free(old);
  return block;
}

}  // namespace

// The matches are read in full when the search begins, so that they can be
// yielded in name order; readdir's own order is arbitrary. Their names lie
// one after another, each with its NUL, in one block; `order` points at
// them sorted.
struct directory_search::state {
  char* names = nullptr;
  std::size_t names_used = 0;
  std::size_t names_size = 0;
  const char** order = nullptr;
  std::size_t count = 0;
  std::size_t current = 0;

  ~state() {
    std::free(names);
    std::free(order);
  }
  bool add(const char* name);
  bool sort();
};

bool directory_search::state::add(const char* name) {
  const std::size_t size = std::strlen(name) + 1;
  if (names_size - names_used < size) {
    const std::size_t grown = std::max(2 * names_size, names_used + size + 4096);
    char* block = regrow(names, names_used, grown);
    if (block == nullptr) return false;
    names = block;
    names_size = grown;
  }
  std::memcpy(names + names_used, name, size);
  names_used += size;
  ++count;
  return true;
}

bool directory_search::state::sort() {
  if (count == 0) return true;
  order = static_cast<const char**>(allocate_storage(count * sizeof *order));
  if (order == nullptr) return false;
  const char* name = names;
  for (std::size_t i = 0; i < count; ++i, name += std::strlen(name) + 1) order[i] = name;
  // strcmp compares bytes as unsigned char: byte order.
  std::sort(order, order + count,
            [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
  return true;
}

directory_search::directory_search() = default;

directory_search::~directory_search() { end(); }

bool directory_search::begin(const char* pattern) {
  end();
  if (pattern == nullptr) return false;
  const char* name_pattern = pattern + directory_part_length(pattern);
  if (*name_pattern == '\0') return false;

  char* directory = copy_folder_part(pattern);
  void* storage = allocate_storage(sizeof(state));
  if (directory == nullptr || storage == nullptr) {
    std::free(directory);
    std::free(storage);
    failed_ = true;
    return false;
  }
  state_ = new (storage) state;
  DIR* dir = opendir(directory);
  const int open_error = errno;
  std::free(directory);
  if (dir == nullptr) {
    // A folder that is not there holds no match; any other failure, such as
    // memory that ran out, is a search that could not be made.
    end();
    failed_ = open_error != ENOENT && open_error != ENOTDIR;
    return false;
  }
  bool complete = true;
  for (;;) {
    // readdir reports an error only through errno.
    errno = 0;
    const dirent* entry = readdir(dir);
    if (entry == nullptr) {
      complete = errno == 0;
      break;
    }
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
    if (wildcard_match(name_pattern, name) && !state_->add(name)) {
      complete = false;
      break;
    }
  }
  closedir(dir);
  if (!complete || !state_->sort()) {
    end();
    failed_ = true;
    return false;
  }
  return state_->count > 0;
}

bool directory_search::next() {
  if (state_ == nullptr || state_->current >= state_->count) return false;
  ++state_->current;
  return state_->current < state_->count;
}

bool directory_search::rewind() {
  if (state_ == nullptr) return false;
  state_->current = 0;
  return state_->count > 0;
}

void directory_search::end() {
  if (state_ != nullptr) {
    state_->~state();
    std::free(state_);
    state_ = nullptr;
  }
  failed_ = false;
}

const char* directory_search::name() const {
  if (state_ == nullptr || state_->current >= state_->count) return nullptr;
  return state_->order[state_->current];
}

std::size_t directory_part_length(const char* pattern) {
  if (pattern == nullptr) return 0;
  const char* slash = std::strrchr(pattern, '/');
  return slash == nullptr ? 0 : static_cast<std::size_t>(slash - pattern) + 1;
}

}  // namespace vantrel
