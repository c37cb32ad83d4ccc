#include "bench_input.h"

#include <cstdio>
#include <cstring>

namespace vantrel {

namespace {

// A fixed sequence of values in [-1, 1), the same on every run.
double next_value(unsigned& state) {
  state = state * 1103515245u + 12345u;
  return static_cast<double>((state >> 8) & 0xFFFF) / 32768.0 - 1.0;
}

}  // namespace

std::string node_listing(int count) {
  std::string text =
      "\r\n  NLIST\r\n\r\n Node     X-Coord           Y-Coord           Z-Coord\r\n\r\n";
  unsigned state = 7;
  char line[128];
  for (int i = 1; i <= count; ++i) {
    std::snprintf(line, sizeof line, "%8d%18.6E%18.6E%18.6E\r\n", i, 100 * next_value(state),
                  100 * next_value(state), 25 * next_value(state) + 25);
    text += line;
  }
  return text;
}

std::string displacement_listing(int count) {
  std::string text =
      "\r\n Node       UX            UY            UZ            RX            RY            "
      "RZ\r\n\r\n";
  unsigned state = 7;
  char line[160];
  for (int i = 1; i <= count; ++i) {
    int n = std::snprintf(line, sizeof line, "%8d", i);
    for (int c = 0; c < 6; ++c) {
      n += std::snprintf(line + n, sizeof line - static_cast<std::size_t>(n), "%14.5E",
                         1e-3 * next_value(state));
    }
    text.append(line, static_cast<std::size_t>(n)).append("\r\n");
  }
  return text;
}

std::size_t repeating_input::fill(char* buffer, std::size_t capacity, bool& /*error*/) {
  std::size_t filled = 0;
  while (filled < capacity && !text_.empty()) {
    std::size_t n = text_.size() - pos_;
    if (n > capacity - filled) n = capacity - filled;
    std::memcpy(buffer + filled, text_.data() + pos_, n);
    filled += n;
    pos_ += n;
    if (pos_ == text_.size()) pos_ = 0;
  }
  return filled;
}

std::size_t text_input::fill(char* buffer, std::size_t capacity, bool& /*error*/) {
  std::size_t n = text_.size() - pos_;
  if (n > capacity) n = capacity;
  std::memcpy(buffer, text_.data() + pos_, n);
  pos_ += n;
  return n;
}

null_output::~null_output() = default;

bool null_output::deliver(const char* /*data*/, std::size_t n) {
  delivered_ += n;
  return true;
}

}  // namespace vantrel
