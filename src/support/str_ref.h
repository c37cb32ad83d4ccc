#ifndef VANTREL_SUPPORT_STR_REF_H
#define VANTREL_SUPPORT_STR_REF_H

#include <cstdint>

namespace vantrel {

// A handle to NUL-terminated text that it does not own. Copying copies the
// pointer; whoever hands out a str_ref keeps the text alive while it is used.
// A null text and an empty text are different states.
class str_ref {
 public:
  str_ref() = default;
  explicit str_ref(const char* text) : text_(text) {}

  // The text, or null.
  const char* c_str() const { return text_; }

  // Exact byte comparison. When either side is null the result is true
  // exactly when both are null.
  bool equals(const char* s) const;

  // The text read as a base-10 integer: one optional sign, then digits up
  // to the first character that is no digit; 0 when no digit follows the
  // sign (so also for a text that begins with white space). Clamped to the
  // signed 32-bit range. Needs a text.
  std::int32_t to_int() const;
  // The same value for an id: false, with `value` unchanged, when it lies
  // outside the signed 32-bit range, where no id can match it.
  bool to_id(std::int32_t& value) const;

  // Position of the last occurrence of ch, or null when it does not occur.
  // Needs a text.
  const char* find_last(char ch) const;

 private:
  const char* text_ = nullptr;
};

}  // namespace vantrel

#endif  // VANTREL_SUPPORT_STR_REF_H
