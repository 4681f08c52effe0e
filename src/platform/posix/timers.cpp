// The POSIX system timer: a due time on the monotonic clock that the message pump checks.
#include "platform/timers.h"

#include <chrono>

#include "platform/posix/timer_service.h"

namespace cd::os {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPeriod = std::chrono::milliseconds(1);

// Per thread, as a window timer belongs to the thread of its window.
struct SystemTimer {
  std::function<void()> onTick;
  bool running = false;
  Clock::time_point due;
};

SystemTimer& TheTimer() {
  thread_local SystemTimer timer;
  return timer;
}

}  // namespace

uint32_t TickCount() {
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch());
  return static_cast<uint32_t>(ms.count());
}

void StartSystemTimer(std::function<void()> onTick) {
  SystemTimer& timer = TheTimer();
  timer.onTick = std::move(onTick);
  if (timer.running) return;
  timer.running = true;
  timer.due = Clock::now() + kPeriod;
}

void StopSystemTimer() {
  TheTimer().running = false;
}

bool SystemTimerRunning() {
  return TheTimer().running;
}

namespace posix {

void ServiceSystemTimer() {
  SystemTimer& timer = TheTimer();
  if (!timer.running || !timer.onTick) return;
  const Clock::time_point now = Clock::now();
  if (now < timer.due) return;
  timer.due = now + kPeriod;
  // A copy: the handler may start the timer again with another handler.
  const std::function<void()> onTick = timer.onTick;
  onTick();
}

int SystemTimerSleepMs(int limitMs) {
  const SystemTimer& timer = TheTimer();
  if (!timer.running) return limitMs;
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(timer.due - Clock::now()).count();
  if (left <= 0) return 0;
  return left < limitMs ? static_cast<int>(left) : limitMs;
}

}  // namespace posix
}  // namespace cd::os
