// The POSIX message queue: a queue of tasks handled by ProcessMessages, which also services
// the system timer.
#include "platform/messages.h"

#include <deque>
#include <mutex>

#include "platform/posix/timer_service.h"

namespace cd::os {
namespace {

struct TaskQueue {
  std::mutex mutex;
  std::deque<std::function<void()>> tasks;
};

TaskQueue& TheQueue() {
  static TaskQueue queue;
  return queue;
}

// Slice of a wait between two looks at the queue.
constexpr int kWaitSliceMs = 10;

}  // namespace

void ProcessMessages() {
  TaskQueue& queue = TheQueue();
  for (;;) {
    std::function<void()> task;
    {
      std::lock_guard<std::mutex> lock(queue.mutex);
      if (queue.tasks.empty()) break;
      task = std::move(queue.tasks.front());
      queue.tasks.pop_front();
    }
    task();
  }
  posix::ServiceSystemTimer();
}

void PostTask(std::function<void()> task) {
  TaskQueue& queue = TheQueue();
  std::lock_guard<std::mutex> lock(queue.mutex);
  queue.tasks.push_back(std::move(task));
}

bool WaitWithMessageLoop(NamedEvent& event) {
  for (;;) {
    ProcessMessages();
    // While the system timer runs, the wait wakes when it is next due; an idle handler with
    // more to do is asked again at once.
    const bool idleDone = RaiseIdle();
    if (event.Wait(idleDone ? posix::SystemTimerSleepMs(kWaitSliceMs) : 0)) return true;
  }
}

}  // namespace cd::os
