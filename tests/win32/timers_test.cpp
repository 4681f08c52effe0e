// Timer components through the real message queue: firing inside a modal dialog's loop, and
// no timer messages at all while no timer is enabled.
#include "platform/timers.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "config/my_timer.h"
#include "config/timer_manager.h"
#include "platform/dialogs.h"

namespace cd {
namespace {

// The WM_TIMER messages the thread gets while its queue is pumped for ms milliseconds.
int TimerMessagesWithin(int ms) {
  int count = 0;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < static_cast<DWORD>(ms)) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_TIMER) ++count;
      DispatchMessageA(&message);
    }
    Sleep(1);
  }
  return count;
}

TEST(Timers, FireInsideAModalLoopAndCloseIt) {
  TMyTimer timer(nullptr);
  int calls = 0;
  timer.SetInterval(50);
  timer.SetOnTimer([&](TMyTimer* sender) {
    ++calls;
    if (HWND box = FindWindowA("#32770", "cdrun timer")) {
      sender->SetEnabled(false);
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
  });
  timer.SetEnabled(true);
  EXPECT_TRUE(os::SystemTimerRunning());
  // Should the timer not fire, another thread cancels the box later so that the test ends.
  std::atomic<bool> done{false};
  std::thread safety([&done] {
    for (int waited = 0; waited < 8000 && !done; waited += 20) Sleep(20);
    if (HWND box = done ? nullptr : FindWindowA("#32770", "cdrun timer"))
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  });
  EXPECT_EQ(os::ShowMessageBox("closed by a timer", "cdrun timer", os::MessageButtons::OkCancel),
            os::MessageAnswer::Ok);
  done = true;
  safety.join();
  EXPECT_GE(calls, 1);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(os::SystemTimerRunning());
}

TEST(Timers, NoTimerMessagesWhileNoTimerIsEnabled) {
  TMyTimer timer(nullptr);
  timer.SetInterval(1000);
  timer.SetOnTimer([](TMyTimer*) {});
  timer.SetEnabled(true);
  EXPECT_GT(TimerMessagesWithin(100), 0);
  timer.SetEnabled(false);
  TimerMessagesWithin(20);  // one may already be on its way
  EXPECT_EQ(TimerMessagesWithin(200), 0);
}

}  // namespace
}  // namespace cd
