#include "platform/background_writer.h"

#include <cstdlib>
#include <cstring>

#include "support/system_seam.h"

namespace vantrel {

background_writer::~background_writer() {
  task_.wait();
  std::free(block_);
}

bool background_writer::write(std::FILE* file, const char* data, std::size_t n) {
  task_.wait();
  const bool earlier = !failed_;
  if (block_ == nullptr && !no_block_) {
    block_ = static_cast<char*>(allocate_storage(block_size_));
    no_block_ = block_ == nullptr;
  }
  if (block_ != nullptr && n <= block_size_) {
    std::memcpy(block_, data, n);
    size_ = n;
    file_ = file;
    if (task_.post(write_block, this)) return earlier;
  }
  return write_bytes(file, data, n) == n && earlier;
}

bool background_writer::finish() {
  task_.wait();
  const bool written = !failed_;
  failed_ = false;
  return written;
}

void background_writer::write_block(void* self) {
  auto* writer = static_cast<background_writer*>(self);
  if (write_bytes(writer->file_, writer->block_, writer->size_) != writer->size_) {
    writer->failed_ = true;
  }
}

}  // namespace vantrel
