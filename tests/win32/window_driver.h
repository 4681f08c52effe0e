// Drives the runner's real windows from a second thread, the way a user would: it finds a
// window by class, reads and sets control texts and presses buttons.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace cd::test {

// Waits (at most 10 s) until a visible top-level window of className exists; nullptr if none.
HWND WaitForWindow(const char* className);

// Runs act on its own thread once a window of className is visible; joined on destruction.
// With CD_WINDOW_PAUSE_MS set, it first waits that long so a screenshot can be taken.
class WindowDriver {
 public:
  WindowDriver(const char* className, std::function<void(HWND)> act);
  ~WindowDriver();
  bool Found() const { return found_; }

 private:
  std::atomic<bool> found_ = false;
  std::thread thread_;
};

std::string WindowText(HWND hwnd);
// The window's rectangle in its parent's client coordinates (screen for top-level windows).
RECT PlacementOf(HWND hwnd);
void Click(HWND button);

}  // namespace cd::test
