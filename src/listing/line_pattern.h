#ifndef VANTREL_LISTING_LINE_PATTERN_H
#define VANTREL_LISTING_LINE_PATTERN_H

#include <cstdint>

#include "listing/word_scan.h"

namespace vantrel {

// A compiled line pattern: comma-separated tokens, each matched against one
// word of a line (see classify_line). A token first matches a word equal to
// its text without leading delimiters; failing that, its first character
// decides: tab "#" (number), tab "#*" (number, captured), tab "*" (any
// word), tab "**" (any word, captured), backspace + text (the text occurs
// from the word on; the word then reaches past it), line feed (the next
// token looks at the next line), blank + text (the line continues with the
// text; the word then is that long). Captured words are copied into the
// pattern's own fixed capture area.
class line_pattern {
 public:
  static constexpr int max_tokens = 16;
  static constexpr int max_captures = 16;
  static constexpr int text_size = 100;
  static constexpr int capture_size = 200;

  line_pattern();
  line_pattern(const line_pattern&) = delete;
  line_pattern& operator=(const line_pattern&) = delete;

  // Compiles `text`. Returns false, leaving the pattern uncompiled (it then
  // never matches), when the text is null, empty, longer than 99 characters,
  // or has more than 16 tokens or more than 16 capturing tokens.
  bool compile_pattern(const char* text);
  // Starts a new attempt: captures emptied (slots not cleared).
  void reset_match();
  // Matches token i (0 <= i <= last_token()) against `word`: first as a
  // literal, then by its control character. A capturing token copies the
  // word into the captures; a search or prefix token changes the word's
  // length; a line-feed token sets `next_line`. False when the token fails.
  bool match_token(int i, word_ref& word, bool& next_line);
  // False when token i cannot match a word that begins with the byte
  // `first`: it is a plain literal that begins with another byte. Most
  // tokens of a set of list headers fail this way.
  bool may_match(int i, char first) const {
    const token_info& token = info_[i];
    return token.kind != token_kind::never || token.literal_first == first ||
           token.literal_first == '\0';
  }

  // Capture i (0 <= i < max_captures) of the last attempt; valid for the
  // winner of classify_line until the next classify_line on the same set.
  // Slots not written by that attempt keep older contents (initially null).
  // Like a line, a capture is followed by scan_padding readable bytes.
  const char* capture(int i) const { return captures_[i]; }
  // The length of capture(i), for a slot that the last attempt wrote.
  std::int32_t capture_length(int i) const { return capture_lengths_[i]; }
  // The captures the last attempt wrote. A capturing token that matched a
  // word through the literal comparison (the word "#*" itself) wrote none.
  int capture_count() const { return static_cast<int>(capture_next_ - captures_); }
  // The index of the last token; -1 while the pattern is not compiled.
  int last_token() const { return last_token_; }
  // Whether some token captures, so that an attempt must reset the captures.
  bool has_captures() const { return has_captures_; }

 private:
  // What a token does when the literal comparison fails.
  enum class token_kind : std::uint8_t {
    never,
    number,
    number_capture,
    any,
    any_capture,
    search,
    next_line,
    prefix
  };
  // A token taken apart once by compile_pattern, for classify_line.
  struct token_info {
    const char* literal;   // the token past its leading delimiters
    const char* argument;  // search or prefix text
    std::int32_t literal_size;
    std::int32_t argument_size;
    token_kind kind;
    char literal_first;  // literal[0], to reject most words at once
  };

  // Appends a copy of `word` to the captures, truncated to the room left in
  // the capture area (its terminator included). With no room left the slot
  // gets an empty text; with all slots taken nothing is stored.
  void store_capture(const word_ref& word);
  // The part of match_token after a failed literal comparison.
  bool match_control(const token_info& token, word_ref& word, bool& next_line);

  // The fields that classification reads for every pattern come first.
  std::int32_t last_token_ = -1;
  bool has_captures_ = false;  // some token captures
  token_info info_[max_tokens] = {};
  const char* captures_[max_captures] = {};
  std::int32_t capture_lengths_[max_captures] = {};
  const char** capture_next_;
  char pattern_text_[text_size] = {};
  char capture_text_[capture_size + scan_padding] = {};
  char* capture_text_next_;
};

}  // namespace vantrel

#endif  // VANTREL_LISTING_LINE_PATTERN_H
