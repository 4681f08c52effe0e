// Helpers that drive the runner's real windows from a second thread.
#include "window_driver.h"

#include <chrono>
#include <cstdlib>

namespace cd::test {

HWND WaitForWindow(const char* className) {
  for (int i = 0; i < 500; ++i) {
    HWND hwnd = FindWindowA(className, nullptr);
    if (hwnd && IsWindowVisible(hwnd)) return hwnd;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return nullptr;
}

WindowDriver::WindowDriver(const char* className, std::function<void(HWND)> act)
    : thread_([this, className, act = std::move(act)] {
        HWND hwnd = WaitForWindow(className);
        found_ = hwnd != nullptr;
        if (!hwnd) return;
        if (const char* pause = std::getenv("CD_WINDOW_PAUSE_MS")) {
          std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(pause)));
        }
        act(hwnd);
        // A failed expectation may leave the window open: close it so the test can go on.
        for (int i = 0; i < 100 && IsWindowVisible(hwnd); ++i) {
          std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (IsWindowVisible(hwnd)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
      }) {}

WindowDriver::~WindowDriver() {
  thread_.join();
}

std::string WindowText(HWND hwnd) {
  char text[512] = {};
  SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

RECT PlacementOf(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  if (HWND parent = GetParent(hwnd))
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Click(HWND button) {
  SendMessageA(button, BM_CLICK, 0, 0);
}

}  // namespace cd::test
