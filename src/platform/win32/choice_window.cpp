// The application choice "CD ROM with multiple VOK Applications:" (class TMultiRunForm): a
// list of applications with OK and Cancel.
#include <memory>

#include "platform/views.h"
#include "platform/win32/form_window.h"

namespace cd::os {

namespace {

using namespace win32;

constexpr int kAppsId = 100;

class ChoiceWindow : public ChoiceView {
 public:
  ~ChoiceWindow() override {
    if (hwnd_) DestroyWindow(hwnd_);
  }

  int Choose(const std::vector<std::string>& entries, int selected) override {
    Create();
    HWND apps = GetDlgItem(hwnd_, kAppsId);
    SendMessageW(apps, LB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries) {
      SendMessageW(apps, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(entry).c_str()));
    }
    SendMessageW(apps, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    ok_ = false;
    closed_ = false;
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(GetDlgItem(hwnd_, IDOK));  // first in tab order
    RunModalLoop(hwnd_, closed_);
    ShowWindow(hwnd_, SW_HIDE);
    if (!ok_) return -1;
    const LRESULT index = SendMessageW(apps, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
  }

 private:
  void Create() {
    if (hwnd_) return;
    hwnd_ = CreateForm(L"TMultiRunForm", &Proc,
                       "CD ROM with multiple VOK Applications:", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                       WS_EX_DLGMODALFRAME, 353, 231, 321, 187, this);
    // Created in tab order: OK, Cancel, the list.
    AddControl(hwnd_, L"BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 72, 120, 75, 25, IDOK);
    AddControl(hwnd_, L"BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 168, 120, 75, 25, IDCANCEL);
    HWND apps = AddControl(hwnd_, L"LISTBOX", "",
                           LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, 16, 16, 281,
                           97, kAppsId);
    SendMessageW(apps, LB_SETITEMHEIGHT, 0, 13);
  }

  void Close(bool ok) {
    ok_ = ok;
    EndModal(hwnd_, closed_);
  }

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    RememberForm(hwnd, msg, lParam);
    ChoiceWindow* self = FormOf<ChoiceWindow>(hwnd);
    switch (msg) {
      case WM_COMMAND:
        if (self && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
          self->Close(LOWORD(wParam) == IDOK);
          return 0;
        }
        break;
      case WM_CLOSE:
        if (self) self->Close(false);
        return 0;
      case WM_CTLCOLORSTATIC:
        return LabelColours(wParam);
      default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }

  HWND hwnd_ = nullptr;
  bool ok_ = false;
  bool closed_ = true;
};

}  // namespace

std::unique_ptr<ChoiceView> CreateChoiceView() {
  return std::make_unique<ChoiceWindow>();
}

}  // namespace cd::os
