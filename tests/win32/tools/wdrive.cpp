// wdrive: presses the runner's dialogs from a script, for demos and screenshots under Wine.
//   wdrive wait CLASS [SECONDS]      waits until a visible window of CLASS exists
//   wdrive gone CLASS [SECONDS]      waits until no visible window of CLASS exists
//   wdrive select CLASS INDEX        selects entry INDEX (from 0) of the window's list box
//   wdrive text CLASS TEXT           sets the text of the window's edit field
//   wdrive click CLASS ok|cancel     presses the window's OK or Cancel button
//   wdrive press CLASS CAPTION       presses the window's button with that caption
//   wdrive row CLASS SIDE ROW        clicks row ROW (from 0) of outline SIDE (0 the leftmost)
//   wdrive close CLASS               closes the window as its close box does
// Exit status 0 on success, 1 when the window or control is missing, 2 for a usage error.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

namespace {

constexpr int kOutlineRowHeight = 13;

HWND FindVisible(const char* className) {
  HWND hwnd = FindWindowA(className, nullptr);
  return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

bool WaitFor(const char* className, bool present, int seconds) {
  for (int i = 0; i < seconds * 50; ++i) {
    if ((FindVisible(className) != nullptr) == present) return true;
    Sleep(20);
  }
  return false;
}

// The child of form of class cls and caption text (any caption when text is null), found
// among all its descendants.
struct ChildSearch {
  const char* cls;
  const char* text;
  HWND found = nullptr;
};

BOOL CALLBACK TakeMatchingChild(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  char name[64] = {}, caption[256] = {};
  GetClassNameA(child, name, sizeof name);
  GetWindowTextA(child, caption, sizeof caption);
  if (std::strcmp(name, search->cls) != 0 || std::strcmp(caption, search->text) != 0) return TRUE;
  search->found = child;
  return FALSE;
}

HWND ChildWithText(HWND form, const char* cls, const char* text) {
  ChildSearch search{cls, text};
  EnumChildWindows(form, TakeMatchingChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Outline number side of form, counted from the left.
HWND OutlineOfSide(HWND form, int side) {
  HWND sides[2] = {FindWindowExA(form, nullptr, "TObjectOutline", nullptr), nullptr};
  if (sides[0]) sides[1] = FindWindowExA(form, sides[0], "TObjectOutline", nullptr);
  if (!sides[1] || (side != 0 && side != 1)) return nullptr;
  RECT first, second;
  GetWindowRect(sides[0], &first);
  GetWindowRect(sides[1], &second);
  if (first.left > second.left) std::swap(sides[0], sides[1]);
  return sides[side];
}

int Act(const std::string& command, HWND form, const char* arg, const char* arg2) {
  if (command == "select") {
    HWND list = FindWindowExA(form, nullptr, "ListBox", nullptr);
    if (!list || !arg) return 1;
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(std::atoi(arg)), 0);
  } else if (command == "text") {
    HWND edit = FindWindowExA(form, nullptr, "Edit", nullptr);
    if (!edit || !arg) return 1;
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(arg));
  } else if (command == "click") {
    HWND button = GetDlgItem(form, arg && std::strcmp(arg, "cancel") == 0 ? IDCANCEL : IDOK);
    if (!button) return 1;
    SendMessageA(button, BM_CLICK, 0, 0);
  } else if (command == "press") {
    HWND button = arg ? ChildWithText(form, "Button", arg) : nullptr;
    if (!button) return 1;
    SendMessageA(button, BM_CLICK, 0, 0);
  } else if (command == "row") {
    HWND outline = arg && arg2 ? OutlineOfSide(form, std::atoi(arg)) : nullptr;
    if (!outline) return 1;
    const int row = std::atoi(arg2);
    const LPARAM at = MAKELPARAM(60, row * kOutlineRowHeight + kOutlineRowHeight / 2);
    SendMessageA(outline, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(outline, WM_LBUTTONUP, 0, at);
  } else if (command == "close") {
    PostMessageA(form, WM_CLOSE, 0, 0);
  } else {
    return 2;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || std::strcmp(argv[1], "--help") == 0) {
    std::fputs("usage: wdrive wait|gone|select|text|click|press|row|close CLASS [ARG...]\n",
               stderr);
    return 2;
  }
  const std::string command = argv[1];
  const char* arg = argc > 3 ? argv[3] : nullptr;
  if (command == "wait" || command == "gone") {
    return WaitFor(argv[2], command == "wait", arg ? std::atoi(arg) : 30) ? 0 : 1;
  }
  HWND form = FindVisible(argv[2]);
  if (!form) {
    std::fprintf(stderr, "wdrive: no visible window of class %s\n", argv[2]);
    return 1;
  }
  const int rc = Act(command, form, arg, argc > 4 ? argv[4] : nullptr);
  if (rc == 2) std::fprintf(stderr, "wdrive: unknown command %s\n", command.c_str());
  return rc;
}
