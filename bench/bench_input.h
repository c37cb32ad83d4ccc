#ifndef VANTREL_BENCH_BENCH_INPUT_H
#define VANTREL_BENCH_BENCH_INPUT_H

#include <cstddef>
#include <string>

#include "listing/input_stream.h"
#include "support/output_stream.h"

namespace vantrel {

// A node listing as cosmos writes it: the command name, the column titles,
// then `count` lines of an id and three E-format coordinates, 64 bytes each,
// CR LF line ends.
std::string node_listing(int count);

// A displacement listing: `count` lines of a node id and six values.
std::string displacement_listing(int count);

// Serves `text` over and over without end, so that a benchmark can read as
// many lines as it likes. `text` must outlive the stream and should end
// with a line feed, so that every pass starts on a fresh line.
class repeating_input : public input_stream {
 public:
  explicit repeating_input(const std::string& text) : text_(text) {}

 protected:
  std::size_t fill(char* buffer, std::size_t capacity, bool& error) override;

 private:
  const std::string& text_;
  std::size_t pos_ = 0;
};

// Serves `text` once, without copying it first; `text` must outlive it.
class text_input : public input_stream {
 public:
  explicit text_input(const std::string& text) : text_(text) {}

 protected:
  std::size_t fill(char* buffer, std::size_t capacity, bool& error) override;

 private:
  const std::string& text_;
  std::size_t pos_ = 0;
};

// An output_stream that counts and drops what it is given.
class null_output : public output_stream {
 public:
  ~null_output() override;
  std::size_t delivered() const { return delivered_; }

 protected:
  bool deliver(const char* data, std::size_t n) override;

 private:
  std::size_t delivered_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_BENCH_BENCH_INPUT_H
