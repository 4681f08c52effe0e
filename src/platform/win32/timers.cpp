// The Windows system timer: one 1 ms window timer on a message-only window of the thread,
// whose WM_TIMER any message loop of the thread dispatches.
#include "platform/timers.h"

#include <windows.h>

#include <exception>
#include <utility>

#include "base/exceptions.h"
#include "platform/win32/timer_failure.h"

namespace cd::os {
namespace {

constexpr char kTimerWindowClass[] = "CdRunTimerWindow";
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kPeriodMs = 1;

struct SystemTimer {
  std::function<void()> onTick;
  HWND window = nullptr;
  bool running = false;
  std::exception_ptr failure;
};

SystemTimer& TheTimer() {
  thread_local SystemTimer timer;
  return timer;
}

LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER || wParam != kTimerId)
    return DefWindowProcA(window, message, wParam, lParam);
  SystemTimer& timer = TheTimer();
  if (!timer.running || !timer.onTick) return 0;
  // A copy: the handler may start the timer again with another handler. A failure must not
  // unwind through DispatchMessage; the first one waits for the next ProcessMessages.
  const std::function<void()> onTick = timer.onTick;
  try {
    onTick();
  } catch (...) {
    if (!timer.failure) timer.failure = std::current_exception();
  }
  return 0;
}

HWND TimerWindow() {
  SystemTimer& timer = TheTimer();
  if (timer.window) return timer.window;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = TimerWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kTimerWindowClass;
  RegisterClassA(&windowClass);  // fails harmlessly when another thread registered it
  timer.window = CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 windowClass.hInstance, nullptr);
  if (!timer.window) throw Exception("Cannot create the window of the system timer");
  return timer.window;
}

}  // namespace

uint32_t TickCount() {
  return GetTickCount();
}

void StartSystemTimer(std::function<void()> onTick) {
  SystemTimer& timer = TheTimer();
  timer.onTick = std::move(onTick);
  if (timer.running) return;
  if (!SetTimer(TimerWindow(), kTimerId, kPeriodMs, nullptr)) {
    throw Exception("Cannot start the system timer");
  }
  timer.running = true;
}

void StopSystemTimer() {
  SystemTimer& timer = TheTimer();
  if (!timer.running) return;
  KillTimer(timer.window, kTimerId);
  timer.running = false;
}

bool SystemTimerRunning() {
  return TheTimer().running;
}

namespace win32 {

void RethrowTimerFailure() {
  SystemTimer& timer = TheTimer();
  if (!timer.failure) return;
  std::rethrow_exception(std::exchange(timer.failure, nullptr));
}

}  // namespace win32
}  // namespace cd::os
