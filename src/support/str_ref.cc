#include "support/str_ref.h"

#include <cstdlib>
#include <cstring>

namespace vantrel {

bool str_ref::equals(const char* s) const {
  if (s == nullptr || text_ == nullptr) return s == text_;
  return std::strcmp(text_, s) == 0;
}

std::int32_t str_ref::to_int() const {
  // Ids of up to nine digits, read by the million from a lookup table or a
  // listing, need neither strtol nor the clamp.
  const char* p = text_;
  const bool negative = *p == '-';
  p += (*p == '-') | (*p == '+');
  unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
  if (digit <= 9) {
    std::uint32_t v = digit;
    int count = 1;
    while (count < 9 && (digit = static_cast<unsigned char>(p[count]) - unsigned{'0'}) <= 9) {
      v = v * 10 + digit;
      ++count;
    }
    if (count < 9 || static_cast<unsigned char>(p[9]) - unsigned{'0'} > 9) {
      const auto value = static_cast<std::int32_t>(v);
      return negative ? -value : value;
    }
  }
  // strtol returns a long, which is 64 bits wide on some hosts; the result
  // is clamped so that every out-of-range text saturates the same way.
  long v = std::strtol(text_, nullptr, 10);
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(v);
}

const char* str_ref::find_last(char ch) const {
  // Walks back over the characters only, so the terminator never matches.
  for (const char* p = text_ + std::strlen(text_); p != text_;) {
    if (*--p == ch) return p;
  }
  return nullptr;
}

}  // namespace vantrel
