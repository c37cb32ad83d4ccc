#include "support/str_ref.h"

#include <cstring>

namespace vantrel {

bool str_ref::equals(const char* s) const {
  if (s == nullptr || text_ == nullptr) return s == text_;
  return std::strcmp(text_, s) == 0;
}

namespace {

// The text's value as to_int reads it, in 64 bits; a magnitude that leaves
// the 32-bit range stops growing just past it, so no text can overflow.
std::int64_t read_base10(const char* p) {
  const bool negative = *p == '-';
  p += (*p == '-') | (*p == '+');
  constexpr std::int64_t past_range = std::int64_t{1} << 32;
  std::int64_t v = 0;
  for (unsigned digit; (digit = static_cast<unsigned char>(*p) - unsigned{'0'}) <= 9; ++p) {
    v = v * 10 + digit;
    if (v > past_range) v = past_range;
  }
  return negative ? -v : v;
}

}  // namespace

std::int32_t str_ref::to_int() const {
  const std::int64_t v = read_base10(text_);
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(v);
}

bool str_ref::to_id(std::int32_t& value) const {
  const std::int64_t v = read_base10(text_);
  if (v > INT32_MAX || v < INT32_MIN) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

const char* str_ref::find_last(char ch) const {
  // Walks back over the characters only, so the terminator never matches.
  for (const char* p = text_ + std::strlen(text_); p != text_;) {
    if (*--p == ch) return p;
  }
  return nullptr;
}

}  // namespace vantrel
