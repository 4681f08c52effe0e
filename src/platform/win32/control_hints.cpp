// ControlHints: a TOOLTIPS_CLASS window owned by the form; each tool is a control window that
// the tooltip subclasses to see the mouse.
#include "platform/win32/control_hints.h"

#include <commctrl.h>

#include "platform/win32/form_window.h"

namespace cd::os::win32 {

ControlHints::~ControlHints() {
  if (tooltip_) DestroyWindow(tooltip_);
}

void ControlHints::Add(HWND control, const std::string& hint) {
  if (!tooltip_) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return;
  }
  std::wstring text = ToWide(hint);
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text.data();  // the tooltip keeps a copy
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace cd::os::win32
