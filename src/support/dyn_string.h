#ifndef VANTREL_SUPPORT_DYN_STRING_H
#define VANTREL_SUPPORT_DYN_STRING_H

namespace vantrel {

// An exact-size heap copy of a text, owned.
class dyn_string {
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

  // The text, or null; valid until the next assign.
  const char* c_str() const { return text_; }

 private:
  char* text_ = nullptr;
};

}  // namespace vantrel

#endif  // VANTREL_SUPPORT_DYN_STRING_H
