// Helpers that drive the runner's real windows from a second thread.
#include "window_driver.h"

#include <chrono>
#include <cstdlib>

namespace cd::test {

HWND WaitForWindow(const char* className, const char* title, int seconds) {
  for (int i = 0; i < seconds * 50; ++i) {
    HWND hwnd = FindWindowA(className, title);
    if (hwnd && IsWindowVisible(hwnd)) return hwnd;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return nullptr;
}

WindowDriver::WindowDriver(const char* className, std::function<void(HWND)> act, const char* title,
                           int seconds)
    : thread_([this, className, title, seconds, act = std::move(act)] {
        HWND hwnd = WaitForWindow(className, title, seconds);
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

std::string StaticTexts(HWND window) {
  std::string shown;
  for (HWND t = FindWindowExA(window, nullptr, "Static", nullptr); t;
       t = FindWindowExA(window, t, "Static", nullptr)) {
    shown += WindowText(t);
  }
  return shown;
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

void CloseMessageBox(HWND box) {
  Click(GetDlgItem(box, IDOK) ? GetDlgItem(box, IDOK) : GetDlgItem(box, IDCANCEL));
}

bool TextFits(HWND label) {
  const std::string text = WindowText(label);
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  RECT client{};
  GetClientRect(label, &client);
  return size.cx <= client.right;
}

}  // namespace cd::test
