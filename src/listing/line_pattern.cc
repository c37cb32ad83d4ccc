#include "listing/line_pattern.h"

#include <cstddef>
#include <cstring>

#include "listing/input_stream.h"
#include "listing/pattern_index.h"
#include "listing/word_scan.h"

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
    tokens_[i] = token;
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
  std::memcpy(out, word.start, n);
  out[n] = '\0';
  capture_lengths_[capture_next_ - captures_] = static_cast<std::int32_t>(n);
  *capture_next_++ = out;
  capture_text_next_ = out + n + 1;
}

void line_pattern::capture_word(const word_ref& word) { store_capture(word); }

int line_pattern::compare_word(const word_ref& word, const char* token) {
  if (*word.start == '\0') return *token == '\0' ? 0 : -1;
  while (is_word_delimiter(*token)) ++token;
  for (std::int32_t k = 0; k < word.length; ++k) {
    int difference =
        static_cast<unsigned char>(word.start[k]) - static_cast<unsigned char>(token[k]);
    if (difference != 0) return difference;
    if (token[k] == '\0') return 1;
  }
  int rest = 0;
  for (const char* p = token + word.length; !ends_token_text(*p); ++p) ++rest;
  return rest;
}

inline bool line_pattern::match_token(int i, word_ref& word, bool& next_line) {
  if (last_token_ < 0) return false;
  const token_info& token = info_[i];
  const char* start = word.start;
  // The literal comparison (as compare_word), with the first byte tested
  // before anything else: most tokens fail right there.
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

int listing_reader::classify_line(pattern_set patterns, bool continue_line) {
  return classify(patterns, nullptr, continue_line);
}

int listing_reader::classify_line(const pattern_index& index, bool continue_line) {
  return classify(index.patterns(), &index, continue_line);
}

int listing_reader::classify(pattern_set patterns, const pattern_index* index, bool continue_line) {
  if (!continue_line && !read_line()) return -1;
  // Indexes of the patterns still open in this attempt, in set order.
  std::uint8_t open[max_set_patterns];
  int open_count = 0;
  word_ref word;
  bool next_line = false;
  // The current word has text, and its first byte.
  bool word_has_text = false;
  char first_byte = '\0';
  // Matches token i of pattern k against the current word: 1 when the
  // pattern wins, 0 when it stays open (and is kept in `open`), -1 when it
  // drops out.
  auto take = [&](int i, int k) {
    line_pattern& pattern = *patterns[k];
    const line_pattern::token_info& token = pattern.info_[i];
    // A plain literal fails at once on a word that begins with another
    // byte; this settles most patterns of a set without a call.
    if (word_has_text && token.kind == line_pattern::token_kind::never &&
        first_byte != token.literal_first) {
      return -1;
    }
    if (i == 0 && pattern.has_captures_) pattern.reset_match();
    bool matched = pattern.match_token(i, word, next_line);
    word_has_text = word.length > 0;  // a search or prefix token sets the length
    if (!matched) return -1;
    if (i == pattern.last_token_) return 1;
    open[open_count++] = static_cast<std::uint8_t>(k);
    return 0;
  };
  for (;;) {
    next_line = false;
    for (int i = 0;; ++i) {
      word_has_text = next_word(read_pos_, word) > 0;
      first_byte = *word.start;
      int taken = open_count;
      open_count = 0;
      if (i == 0 && index != nullptr && word_has_text) {
        // Stage 0 takes the patterns that the index gives for the first byte.
        for (int k = 0; k < index->size(); ++k) {
          if (index->may_match(first_byte, k) && take(0, k) > 0) {
            read_pos_ += word.length;
            return k;
          }
        }
      } else if (i == 0) {
        // Stage 0 takes the patterns straight from the set.
        for (int k = 0; k < max_set_patterns && patterns[k] != nullptr; ++k) {
          if (take(0, k) > 0) {
            read_pos_ += word.length;
            return k;
          }
        }
      } else {
        for (int n = 0; n < taken; ++n) {
          int k = open[n];
          if (take(i, k) > 0) {
            read_pos_ += word.length;
            return k;
          }
        }
      }
      if (open_count == 0) break;
      if (next_line) {
        // The rest of the old line is given up; field_count stays.
        next_line = false;
        read_physical_line();
        if (!stream_.good()) return -1;
      } else {
        read_pos_ += word.length;
      }
      if (*read_pos_ == '\0') break;
    }
    open_count = 0;
    if (!read_line()) return -1;
  }
}

}  // namespace vantrel
