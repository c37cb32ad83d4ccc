#include "platform/background_task.h"

#include <system_error>

namespace vantrel {

background_task::~background_task() {
  if (!started_) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

bool background_task::post(task_fn task, void* context) {
  if (!started_) {
    if (unavailable_) return false;
    try {
      thread_ = std::thread(&background_task::run, this);
    } catch (const std::system_error&) {
      unavailable_ = true;
      return false;
    }
    started_ = true;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return task_ == nullptr; });
  task_ = task;
  context_ = context;
  lock.unlock();
  changed_.notify_all();
  return true;
}

void background_task::wait() {
  if (!started_) return;
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return task_ == nullptr; });
}

void background_task::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return task_ != nullptr || stopping_; });
    if (task_ == nullptr) return;
    lock.unlock();
    task_(context_);
    lock.lock();
    task_ = nullptr;
    changed_.notify_all();
  }
}

}  // namespace vantrel
