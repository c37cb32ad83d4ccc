#ifndef VANTREL_SUPPORT_DYN_BUFFER_H
#define VANTREL_SUPPORT_DYN_BUFFER_H

#include <cstddef>
#include <cstdint>

#include "support/str_ref.h"

namespace vantrel {

// A growable NUL-terminated text that grows in whole steps as text is
// appended. When it cannot grow, an append writes the notice
// "MEMORY FAILURE IN dyn_buffer" (or "mFAIL" when only that fits) into the
// text in place of the requested text, so that a printed text shows it,
// and the buffer reports the failure through complete(): a text that is
// not complete must not be used as a name. The changing operations return
// the buffer for chaining.
class dyn_buffer {
 public:
  // Storage of n bytes holding the empty text; grows in steps of n. With
  // n = 0, or when the storage cannot be had, it has no storage (c_str() is
  // null) and grows in steps of 256 bytes.
  explicit dyn_buffer(std::uint32_t n);
  ~dyn_buffer();
  dyn_buffer(const dyn_buffer&) = delete;
  dyn_buffer& operator=(const dyn_buffer&) = delete;

  // Appends s (null changes nothing), growing by whole steps when the text
  // and its terminator no longer fit.
  dyn_buffer& append(const char* s);
  // Appends one character, growing by exactly one step when needed; drops
  // the character without a notice when it cannot grow.
  dyn_buffer& append_char(char c);
  // Empties the text, keeping the storage, then appends s (null counts as
  // ""). Starts a new text: complete() is true again unless this append
  // fails.
  dyn_buffer& assign(const char* s);
  // Cuts the text at `pos`, a position inside the text.
  dyn_buffer& truncate_at(const char* pos);

  // The text, or null without storage; valid until the storage moves (an
  // append that grows, destruction).
  const char* c_str() const { return text_; }
  // The text as a handle for the str_ref operations, valid as long.
  str_ref text() const { return str_ref(text_); }

  std::size_t length() const { return static_cast<std::size_t>(end_ - text_); }
  // False when an append since the last assign could not grow the buffer:
  // the text then lacks what was asked for, and may hold the notice.
  bool complete() const { return !failed_; }

 private:
  // Moves the text into storage of capacity + growth bytes; false when the
  // storage cannot be had or its size would not fit the counters.
  bool grow(std::uint64_t growth);

  char* text_ = nullptr;
  char* end_ = nullptr;
  std::uint32_t capacity_ = 0;
  std::uint32_t step_ = 256;
  // Bytes of storage not taken by characters; the terminator takes one.
  std::uint32_t room_ = 0;
  bool failed_ = false;
};

}  // namespace vantrel

#endif  // VANTREL_SUPPORT_DYN_BUFFER_H
