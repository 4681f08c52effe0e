// Drives the runner's real windows from a second thread, the way a user would: it finds a
// window by class, reads and sets control texts and presses buttons.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace cd::test {

// Waits (at most seconds) until a visible top-level window of className exists, with that
// caption when title is given; nullptr if none.
HWND WaitForWindow(const char* className, const char* title = nullptr, int seconds = 10);

// Runs act on its own thread once a window of className (and title, when given) is visible;
// joined on destruction. With CD_WINDOW_PAUSE_MS set, it first waits that long so a
// screenshot can be taken.
class WindowDriver {
 public:
  WindowDriver(const char* className, std::function<void(HWND)> act, const char* title = nullptr,
               int seconds = 10);
  ~WindowDriver();
  bool Found() const { return found_; }

 private:
  std::atomic<bool> found_ = false;
  std::thread thread_;
};

std::string WindowText(HWND hwnd);
// The texts of a window's static controls joined (what a message box says).
std::string StaticTexts(HWND window);
// The window's rectangle in its parent's client coordinates (screen for top-level windows).
RECT PlacementOf(HWND hwnd);
void Click(HWND button);
// Presses a message box's OK, or its Cancel when it has no OK.
void CloseMessageBox(HWND box);
// Whether a label shows its whole text on one line in its own font.
bool TextFits(HWND label);

}  // namespace cd::test
