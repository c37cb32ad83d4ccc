#ifndef VANTREL_PLATFORM_BACKGROUND_WRITER_H
#define VANTREL_PLATFORM_BACKGROUND_WRITER_H

#include <cstddef>
#include <cstdio>

#include "platform/background_task.h"

namespace vantrel {

// Writes blocks to C streams on a second thread, one block at a time, so
// that the kernel's copy of one block into the file goes on while the
// caller fills the next. Each block is copied before write() returns: the
// caller may reuse its buffer at once. Where no thread or no room for the
// copy can be had, write() writes the block itself, before it returns.
class background_writer {
 public:
  // Blocks of up to `block_size` bytes are copied and written behind;
  // larger ones are written at once. The copy's room is taken at the first
  // write.
  explicit background_writer(std::size_t block_size) : block_size_(block_size) {}
  ~background_writer();
  background_writer(const background_writer&) = delete;
  background_writer& operator=(const background_writer&) = delete;

  // Writes n bytes to `file` after every block handed over before. Returns
  // false when a write has failed since the last finish() (this one, when
  // it is written at once): bytes may be missing.
  bool write(std::FILE* file, const char* data, std::size_t n);
  // Waits until every block handed over has been written. Returns false
  // when any write failed since the last finish(), and then forgets it.
  bool finish();

 private:
  static void write_block(void* self);

  const std::size_t block_size_;
  background_task task_;
  char* block_ = nullptr;  // the copy being written
  bool no_block_ = false;  // its room could not be had
  std::size_t size_ = 0;   // its length
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

}  // namespace vantrel

#endif  // VANTREL_PLATFORM_BACKGROUND_WRITER_H
