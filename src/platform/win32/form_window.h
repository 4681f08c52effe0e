// Building blocks of the runner's Win32 windows: the form font, window classes, child
// controls at 96-DPI pixel positions, the modal loop and windows-1250 text. Internal to the
// Win32 layer.
#pragma once

#include <windows.h>

#include <string>

namespace cd::os::win32 {

// windows-1250 text (the configuration's code page) to UTF-16 and back.
std::wstring ToWide(const std::string& ansi);
std::string FromWide(const std::wstring& wide);

// "MS Sans Serif" 8 point at 96 DPI, plain or bold; made once, kept for the process.
HFONT FormFont(bool bold = false);

// A top-level window of class className (registered on first use with proc and the
// button-face background) at x, y with the outer size w x h. self is handed to proc with
// WM_NCCREATE and kept in GWLP_USERDATA; FormOf reads it back.
HWND CreateForm(const wchar_t* className, WNDPROC proc, const std::string& caption, DWORD style,
                DWORD exStyle, int x, int y, int w, int h, void* self);
template <class T>
T* FormOf(HWND hwnd) {
  return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}
// Stores the creation parameter of WM_NCCREATE; call first in every form procedure.
void RememberForm(HWND hwnd, UINT msg, LPARAM lParam);

// A child control at client position x, y, size w x h, in the form font.
HWND AddControl(HWND parent, const wchar_t* className, const std::string& text, DWORD style, int x,
                int y, int w, int h, int id, HFONT font = nullptr);

void CenterOnScreen(HWND hwnd);
// Sets a control's text and repaints it at once.
void SetTextNow(HWND control, const std::string& text);
std::string TextOf(HWND control);

// Handles the thread's messages until done becomes true, giving Tab, Enter (IDOK) and Escape
// (IDCANCEL) to hwnd the way a dialog does. A WM_QUIT ends the loop and is posted again.
void RunModalLoop(HWND hwnd, const bool& done);

// Ends the modal loop of hwnd: sets done and wakes the loop, which may be waiting for a
// posted message while a sent one (a button pressed from another thread) set the flag.
void EndModal(HWND hwnd, bool& done);

// Labels on the button-face background; returns the brush for WM_CTLCOLORSTATIC.
LRESULT LabelColours(WPARAM hdc);

}  // namespace cd::os::win32
