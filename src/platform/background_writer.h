#ifndef VANTREL_PLATFORM_BACKGROUND_WRITER_H
#define VANTREL_PLATFORM_BACKGROUND_WRITER_H

#include <condition_variable>
#include <cstddef>
#include <cstdio>
#include <mutex>
#include <thread>

namespace vantrel {

// Writes blocks to C streams on a second thread, one block at a time, so
// that the kernel's copy of one block into the file goes on while the
// caller fills the next. Each block is copied before write() returns: the
// caller may reuse its buffer at once. Where no thread or no copy can be
// had, write() writes the block itself, before it returns.
class background_writer {
 public:
  // Blocks of up to `block_size` bytes are written behind; larger ones are
  // written at once.
  explicit background_writer(std::size_t block_size);
  // Waits for the write under way, then ends the thread.
  ~background_writer();
  background_writer(const background_writer&) = delete;
  background_writer& operator=(const background_writer&) = delete;

  // Writes n bytes to `file` after every block handed over before. Returns
  // false when a write to the same file has failed since the last finish()
  // (this one, when it is written at once): the bytes may be missing.
  bool write(std::FILE* file, const char* data, std::size_t n);
  // Waits until every block handed over has been written. Returns false
  // when any write failed since the last finish(), and then forgets it.
  bool finish();

 private:
  // Starts the thread and takes the copy's storage, once; false when
  // either cannot be had, and from then on.
  bool start();
  void run();

  const std::size_t block_size_;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable changed_;
  // Guarded by mutex_ once the thread runs.
  char* block_ = nullptr;  // the copy being written
  std::size_t size_ = 0;   // its length
  std::FILE* file_ = nullptr;
  bool pending_ = false;  // a block waits to be written, or is being written
  bool failed_ = false;
  bool stopping_ = false;
  // Touched by the caller's thread only.
  bool started_ = false;
  bool unavailable_ = false;
};

}  // namespace vantrel

#endif  // VANTREL_PLATFORM_BACKGROUND_WRITER_H
