#ifndef VANTREL_SUPPORT_DYN_STRING_H
#define VANTREL_SUPPORT_DYN_STRING_H

#include "support/str_ref.h"

namespace vantrel {

// A str_ref that owns an exact-size heap copy of its text.
class dyn_string : public str_ref {
 public:
  // A null or empty argument leaves the text null.
  explicit dyn_string(const char* text = nullptr);
  ~dyn_string();
  dyn_string(const dyn_string&) = delete;
  dyn_string& operator=(const dyn_string&) = delete;

  // Replaces the text with a copy of `text` (an empty argument gives an owned
  // empty text, a null one leaves the text null). `text` may be this
  // string's own text.
  dyn_string& assign(const char* text);
};

}  // namespace vantrel

#endif  // VANTREL_SUPPORT_DYN_STRING_H
