// Building blocks of the runner's Win32 windows.
#include "platform/win32/form_window.h"

#include <cwchar>

#include "platform/messages.h"

namespace cd::os::win32 {

namespace {

constexpr UINT kCodePage = 1250;

}  // namespace

std::wstring ToWide(const std::string& ansi) {
  if (ansi.empty()) return std::wstring();
  const int n =
      MultiByteToWideChar(kCodePage, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(kCodePage, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
  return wide;
}

std::string FromWide(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int n = WideCharToMultiByte(kCodePage, 0, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(kCodePage, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), n,
                      nullptr, nullptr);
  return ansi;
}

HFONT FormFont(bool bold) {
  // 8 point at 96 dots per inch: a character height of 11 pixels.
  static HFONT plain = nullptr;
  static HFONT heavy = nullptr;
  HFONT& font = bold ? heavy : plain;
  if (font == nullptr) {
    font = CreateFontW(-11, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
  }
  return font;
}

void RememberForm(HWND hwnd, UINT msg, LPARAM lParam) {
  if (msg != WM_NCCREATE) return;
  const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

HWND CreateForm(const wchar_t* className, WNDPROC proc, const std::string& caption, DWORD style,
                DWORD exStyle, int x, int y, int w, int h, void* self) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  if (!GetClassInfoExW(instance, className, &wc)) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
  }
  return CreateWindowExW(exStyle | WS_EX_CONTROLPARENT, className, ToWide(caption).c_str(), style,
                         x, y, w, h, nullptr, nullptr, instance, self);
}

HWND AddControl(HWND parent, const wchar_t* className, const std::string& text, DWORD style, int x,
                int y, int w, int h, int id, HFONT font) {
  const DWORD exStyle =
      wcscmp(className, L"EDIT") == 0 || wcscmp(className, L"LISTBOX") == 0 ? WS_EX_CLIENTEDGE : 0;
  HWND control = CreateWindowExW(
      exStyle, className, ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : FormFont()), FALSE);
  return control;
}

void CenterOnScreen(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetTextNow(HWND control, const std::string& text) {
  SetWindowTextW(control, ToWide(text).c_str());
  UpdateWindow(control);
}

std::string TextOf(HWND control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return FromWide(text);
}

void RunModalLoop(HWND hwnd, const bool& done) {
  MSG msg;
  while (!done) {
    // An empty queue raises the idle event; while its handler has more to do, the loop looks
    // at the queue again instead of waiting.
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && !RaiseIdle()) continue;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (got < 0) return;
    if (IsDialogMessageW(hwnd, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void EndModal(HWND hwnd, bool& done) {
  done = true;
  PostMessageW(hwnd, WM_NULL, 0, 0);
}

LRESULT LabelColours(WPARAM hdc) {
  SetBkColor(reinterpret_cast<HDC>(hdc), GetSysColor(COLOR_BTNFACE));
  SetTextColor(reinterpret_cast<HDC>(hdc), GetSysColor(COLOR_BTNTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace cd::os::win32
