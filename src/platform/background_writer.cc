#include "platform/background_writer.h"

#include <cstring>

namespace vantrel {

background_writer::background_writer(char* copy, std::size_t block_size)
    : block_size_(block_size), block_(copy) {}

background_writer::~background_writer() { task_.wait(); }

bool background_writer::write(std::FILE* file, const char* data, std::size_t n) {
  task_.wait();
  const bool earlier = !failed_;
  if (block_ != nullptr && n <= block_size_) {
    std::memcpy(block_, data, n);
    size_ = n;
    file_ = file;
    if (task_.post(write_block, this)) return earlier;
  }
  return std::fwrite(data, 1, n, file) == n && earlier;
}

bool background_writer::finish() {
  task_.wait();
  const bool written = !failed_;
  failed_ = false;
  return written;
}

void background_writer::write_block(void* self) {
  auto* writer = static_cast<background_writer*>(self);
  if (std::fwrite(writer->block_, 1, writer->size_, writer->file_) != writer->size_) {
    writer->failed_ = true;
  }
}

}  // namespace vantrel
