#ifndef VANTREL_PLATFORM_BACKGROUND_TASK_H
#define VANTREL_PLATFORM_BACKGROUND_TASK_H

#include <condition_variable>
#include <mutex>
#include <thread>

namespace vantrel {

// A second thread that runs one task at a time, for the reads and writes
// that go on while the engine works. post() hands a task over and returns
// at once; wait() returns when it has run, and everything the task wrote is
// then visible to the caller. The thread starts with the first post() and
// ends with the object.
class background_task {
 public:
  using task_fn = void (*)(void* context);

  background_task() = default;
  // Waits for the task under way, then ends the thread.
  ~background_task();
  background_task(const background_task&) = delete;
  background_task& operator=(const background_task&) = delete;

  // Runs task(context) on the thread, after the task before it has ended.
  // Returns false, running nothing, when the thread cannot be had.
  bool post(task_fn task, void* context);
  // Returns when the last task posted has run; at once when none was.
  void wait();

 private:
  void run();

  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable changed_;
  task_fn task_ = nullptr;  // the task to run, null once it has run
  void* context_ = nullptr;
  bool stopping_ = false;
  bool started_ = false;
  bool unavailable_ = false;
};

}  // namespace vantrel

#endif  // VANTREL_PLATFORM_BACKGROUND_TASK_H
