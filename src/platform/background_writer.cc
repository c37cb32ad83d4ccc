#include "platform/background_writer.h"

#include <cstdlib>
#include <cstring>
#include <system_error>

#include "support/allocation.h"

namespace vantrel {

background_writer::background_writer(std::size_t block_size) : block_size_(block_size) {}

background_writer::~background_writer() {
  if (started_) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }
  std::free(block_);
}

bool background_writer::start() {
  if (started_) return true;
  if (unavailable_) return false;
  block_ = static_cast<char*>(allocate_storage(block_size_));
  if (block_ != nullptr) {
    try {
      thread_ = std::thread(&background_writer::run, this);
      started_ = true;
      return true;
    } catch (const std::system_error&) {
      // No thread to be had: every block is written at once.
    }
  }
  unavailable_ = true;
  return false;
}

bool background_writer::write(std::FILE* file, const char* data, std::size_t n) {
  if (n > block_size_ || !start()) {
    const bool earlier = finish();
    return std::fwrite(data, 1, n, file) == n && earlier;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !pending_; });
  const bool earlier = !failed_;
  std::memcpy(block_, data, n);
  size_ = n;
  file_ = file;
  pending_ = true;
  lock.unlock();
  changed_.notify_all();
  return earlier;
}

bool background_writer::finish() {
  if (!started_) return true;
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !pending_; });
  const bool written = !failed_;
  failed_ = false;
  return written;
}

void background_writer::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return pending_ || stopping_; });
    if (!pending_) return;
    lock.unlock();
    const bool written = std::fwrite(block_, 1, size_, file_) == size_;
    lock.lock();
    if (!written) failed_ = true;
    pending_ = false;
    changed_.notify_all();
  }
}

}  // namespace vantrel
