// The system timer through the thread's message pump and waits.
#include "platform/timers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/events.h"
#include "platform/messages.h"
#include "unit/platform/unique_name.h"

namespace cd::os {
namespace {

using namespace std::chrono_literals;

// Stops the system timer when the test ends, also by a failure.
struct TimerScope {
  explicit TimerScope(std::function<void()> onTick) { StartSystemTimer(std::move(onTick)); }
  ~TimerScope() { StopSystemTimer(); }
};

TEST(SystemTimer, ThePumpServicesItOnlyWhileItRuns) {
  int ticks = 0;
  {
    TimerScope timer([&] { ++ticks; });
    EXPECT_TRUE(SystemTimerRunning());
    const auto end = std::chrono::steady_clock::now() + 5s;
    while (ticks < 3 && std::chrono::steady_clock::now() < end) {
      std::this_thread::sleep_for(2ms);
      ProcessMessages();
    }
    EXPECT_GE(ticks, 3);
  }
  EXPECT_FALSE(SystemTimerRunning());
  const int stopped = ticks;
  std::this_thread::sleep_for(20ms);
  ProcessMessages();
  EXPECT_EQ(ticks, stopped);
}

TEST(SystemTimer, RunsWhileAWaitHandlesMessages) {
  auto event = NamedEvent::Create(test::UniqueName("cdrun-timer"), true, false);
  int ticks = 0;
  TimerScope timer([&] {
    // Set from the timer itself after enough ticks: the wait ends only through them.
    if (++ticks == 20) event->Set();
  });
  EXPECT_TRUE(WaitWithMessageLoop(*event));
  EXPECT_EQ(ticks, 20);
}

TEST(SystemTimer, AFailingHandlerReachesTheProgramsPump) {
  TimerScope timer([] { throw std::runtime_error("tick failed"); });
  std::string caught;
  const auto end = std::chrono::steady_clock::now() + 5s;
  while (caught.empty() && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(2ms);
    try {
      ProcessMessages();
    } catch (const std::runtime_error& failure) {
      caught = failure.what();
    }
  }
  EXPECT_EQ(caught, "tick failed");
}

#ifndef _WIN32
// On POSIX the wait is the program's message loop: it raises the idle event, at once again
// while the handler has more to do.
TEST(IdleEvent, TheWaitRaisesItUntilTheHandlerIsDone) {
  auto event = NamedEvent::Create(test::UniqueName("cdrun-idle"), true, false);
  int calls = 0;
  SetIdleHandler([&](bool& done) {
    done = false;
    if (++calls == 5) event->Set();
  });
  EXPECT_TRUE(WaitWithMessageLoop(*event));
  SetIdleHandler({});
  EXPECT_EQ(calls, 5);
  EXPECT_TRUE(RaiseIdle());
}
#endif

}  // namespace
}  // namespace cd::os
