#include "listing/line_pattern.h"

#include <cstddef>
#include <cstring>

namespace vantrel {

namespace {

inline bool ends_token_text(char c) { return c == '\0' || is_word_delimiter(c); }

inline bool is_capturing(const char* token) {
  return token[0] == '\t' && (token[1] == '#' || token[1] == '*') && token[2] == '*';
}

}  // namespace

line_pattern::line_pattern() : capture_next_(captures_), capture_text_next_(capture_text_) {}

bool line_pattern::compile_pattern(const char* text) {
  last_token_ = -1;
  if (text == nullptr || *text == '\0') return false;
  std::size_t size = std::strlen(text);
  if (size >= static_cast<std::size_t>(text_size)) return false;

  // Cut a scratch copy: the pattern's own text changes only when the whole
  // text is accepted.
  char cut[text_size];
  std::memcpy(cut, text, size + 1);
  std::size_t starts[max_tokens];
  int count = 0;
  int capturing = 0;
  std::size_t pos = 0;
  while (cut[pos] != '\0') {
    if (count == max_tokens) return false;
    starts[count++] = pos;
    if (is_capturing(cut + pos)) ++capturing;
    // The first character belongs to the token even when it is a comma.
    ++pos;
    while (cut[pos] != '\0' && cut[pos] != ',') ++pos;
    if (cut[pos] == ',') cut[pos++] = '\0';
  }
  if (capturing > max_captures) return false;

  std::memcpy(pattern_text_, cut, size + 1);
  for (int i = 0; i < count; ++i) {
    const char* token = pattern_text_ + starts[i];
    token_info& info = info_[i];
    info.literal = token;
    while (is_word_delimiter(*info.literal)) ++info.literal;
    info.literal_size = static_cast<std::int32_t>(std::strlen(info.literal));
    info.literal_first = *info.literal;
    info.argument = token + 1;
    info.argument_size = static_cast<std::int32_t>(std::strlen(token + 1));
    info.kind = token_kind::never;
    if (token[0] == '\t') {
      if (token[1] == '#') {
        info.kind = token[2] == '*' ? token_kind::number_capture : token_kind::number;
      } else if (token[1] == '*') {
        info.kind = token[2] == '*' ? token_kind::any_capture : token_kind::any;
      }
    } else if (token[0] == '\b') {
      info.kind = token_kind::search;
    } else if (token[0] == '\n') {
      info.kind = token_kind::next_line;
    } else if (token[0] == ' ') {
      info.kind = token_kind::prefix;
    }
  }
  last_token_ = count - 1;
  has_captures_ = capturing > 0;
  return true;
}

void line_pattern::reset_match() {
  capture_next_ = captures_;
  capture_text_next_ = capture_text_;
}

inline void line_pattern::store_capture(const word_ref& word) {
  if (capture_next_ == captures_ + max_captures) return;
  std::size_t room = static_cast<std::size_t>(capture_text_ + capture_size - capture_text_next_);
  if (room == 0) {
    capture_lengths_[capture_next_ - captures_] = 0;
    *capture_next_++ = "";
    return;
  }
  std::size_t n = word.length > 0 ? static_cast<std::size_t>(word.length) : 0;
  // A listing word may be far longer than the capture area: keep its head.
  if (n > room - 1) n = room - 1;
  char* out = capture_text_next_;
  copy_word(out, word.start, n)[0] = '\0';
  capture_lengths_[capture_next_ - captures_] = static_cast<std::int32_t>(n);
  *capture_next_++ = out;
  capture_text_next_ = out + n + 1;
}

bool line_pattern::match_token(int i, word_ref& word, bool& next_line) {
  if (last_token_ < 0) return false;
  const token_info& token = info_[i];
  const char* start = word.start;
  // The literal comparison: the token's text past its leading delimiters
  // must equal the word exactly, up to the token's next delimiter. The
  // first byte is tested before anything else: most tokens fail right
  // there.
  if (*start != '\0') {
    std::int32_t length = word.length;
    if (length <= token.literal_size && (length == 0 || *start == token.literal_first) &&
        std::memcmp(start, token.literal, static_cast<std::size_t>(length)) == 0 &&
        ends_token_text(token.literal[length])) {
      return true;
    }
  }
  return match_control(token, word, next_line);
}

inline bool line_pattern::match_control(const token_info& token, word_ref& word, bool& next_line) {
  const char* start = word.start;
  switch (token.kind) {
    case token_kind::never:
      return false;
    case token_kind::number:
      return starts_with_number(start);
    case token_kind::number_capture:
      if (!starts_with_number(start)) return false;
      store_capture(word);
      return true;
    case token_kind::any:
      return true;
    case token_kind::any_capture:
      store_capture(word);
      return true;
    case token_kind::search: {
      const char* hit = std::strstr(start, token.argument);
      if (hit == nullptr) return false;
      word.length = static_cast<std::int32_t>(hit - start) + token.argument_size;
      return true;
    }
    case token_kind::next_line:
      next_line = true;
      return true;
    case token_kind::prefix:
      if (std::strncmp(start, token.argument, static_cast<std::size_t>(token.argument_size)) != 0) {
        return false;
      }
      word.length = token.argument_size;
      return true;
  }
  return false;
}

}  // namespace vantrel
