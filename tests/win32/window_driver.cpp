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

namespace {

struct ChildSearch {
  const char* cls;
  std::string text;
  HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
  auto& search = *reinterpret_cast<ChildSearch*>(param);
  char name[64] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, search.cls) == 0 && WindowText(child) == search.text) search.found = child;
  return search.found ? FALSE : TRUE;
}

}  // namespace

HWND ChildWithText(HWND parent, const char* cls, const std::string& text) {
  ChildSearch search{cls, text};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

LPARAM OutlineRowPoint(int row) {
  return MAKELPARAM(60, row * kOutlineRowHeight + kOutlineRowHeight / 2);
}

void ClickRow(HWND outline, int row) {
  SendMessageA(outline, WM_LBUTTONDOWN, MK_LBUTTON, OutlineRowPoint(row));
  SendMessageA(outline, WM_LBUTTONUP, 0, OutlineRowPoint(row));
}

std::vector<HWND> ChooserSides(HWND form) {
  std::vector<HWND> sides;
  for (HWND o = FindWindowExA(form, nullptr, "TObjectOutline", nullptr); o;
       o = FindWindowExA(form, o, "TObjectOutline", nullptr))
    sides.push_back(o);
  if (sides.size() == 2 && PlacementOf(sides[0]).left > PlacementOf(sides[1]).left)
    std::swap(sides[0], sides[1]);
  return sides;
}

}  // namespace cd::test
