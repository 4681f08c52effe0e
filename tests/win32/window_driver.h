// Drives the runner's real windows from a second thread, the way a user would: it finds a
// window by class, reads and sets control texts and presses buttons.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

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

// The first descendant of parent of class cls whose text is text; nullptr if none.
HWND ChildWithText(HWND parent, const char* cls, const std::string& text);

// Outline windows draw rows of this height; a click lands on the text of a row.
inline constexpr int kOutlineRowHeight = 13;
LPARAM OutlineRowPoint(int row);
// A press and release on the text of row (counted from 0) of an outline window.
void ClickRow(HWND outline, int row);
// The two outline windows of the component chooser, the available side (the left one) first.
std::vector<HWND> ChooserSides(HWND form);

}  // namespace cd::test
