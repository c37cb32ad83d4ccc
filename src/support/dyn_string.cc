#include "support/dyn_string.h"

#include <cstdlib>
#include <cstring>

#include "support/system_seam.h"

namespace vantrel {

namespace {

// An exact-size heap copy of s, or null when the storage cannot be had.
char* copy_of(const char* s) {
  std::size_t size = std::strlen(s) + 1;
  char* p = static_cast<char*>(allocate_storage(size));
  if (p != nullptr) std::memcpy(p, s, size);
  return p;
}

}  // namespace

dyn_string::dyn_string(const char* text) {
  if (text != nullptr && *text != '\0') text_ = copy_of(text);
}

dyn_string::~dyn_string() { std::free(text_); }

dyn_string& dyn_string::assign(const char* text) {
  // The copy is made before the old text is freed, so assigning the string's
  // own text is harmless.
  char* copy = text != nullptr ? copy_of(text) : nullptr;
  std::free(text_);
  text_ = copy;
  return *this;
}

}  // namespace vantrel
