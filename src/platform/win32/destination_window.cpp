// The destination question "Choose destination directory" (class TAskMediumIdForm): a prompt,
// an edit field and an OK button shown only while the field has text. It cannot be
// cancelled: however it closes, the field's text is the answer, once the check takes it; a
// refused text is told in a message box and the dialog stays open.
#include <memory>

#include "platform/dialogs.h"
#include "platform/views.h"
#include "platform/win32/form_window.h"

namespace cd::os {

namespace {

using namespace win32;

enum ControlId { kPromptId = 100, kHintId, kPathId };

class DestinationWindow : public DestinationView {
 public:
  ~DestinationWindow() override {
    if (hwnd_) DestroyWindow(hwnd_);
  }

  std::string Ask(const std::string& prompt, const std::string& text,
                  const DestinationCheck& check) override {
    Create();
    check_ = &check;
    SetTextNow(GetDlgItem(hwnd_, kPromptId), prompt);
    HWND path = GetDlgItem(hwnd_, kPathId);
    SetWindowTextW(path, ToWide(text).c_str());  // EN_CHANGE sets the OK button
    UpdateOkButton();
    closed_ = false;
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(path);
    SendMessageW(path, EM_SETSEL, 0, -1);
    RunModalLoop(hwnd_, closed_);
    check_ = nullptr;
    ShowWindow(hwnd_, SW_HIDE);
    return TextOf(path);
  }

 private:
  void Create() {
    if (hwnd_) return;
    hwnd_ = CreateForm(L"TAskMediumIdForm", &Proc, "Choose destination directory",
                       WS_OVERLAPPEDWINDOW, 0, 347, 201, 340, 161, this);
    AddControl(hwnd_, L"STATIC", "", SS_CENTER | SS_NOPREFIX, 8, 8, 313, 13, kPromptId,
               FormFont(true));
    AddControl(hwnd_, L"STATIC",
               "Please enter then directory where you would like to install then data.", SS_CENTER,
               3, 31, 326, 13, kHintId);
    // Created in tab order: the field, then OK.
    AddControl(hwnd_, L"EDIT", "c:\\VokData", ES_AUTOHSCROLL | WS_TABSTOP, 8, 64, 313, 21, kPathId);
    AddControl(hwnd_, L"BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 247, 96, 75, 25, IDOK);
  }

  void UpdateOkButton() {
    const bool visible = DestinationOkVisible(TextOf(GetDlgItem(hwnd_, kPathId)));
    ShowWindow(GetDlgItem(hwnd_, IDOK), visible ? SW_SHOW : SW_HIDE);
  }

  void Close() {
    HWND path = GetDlgItem(hwnd_, kPathId);
    const std::string refusal =
        check_ && *check_ ? (*check_)(TextOf(path)) : std::string();
    if (refusal.empty()) {
      EndModal(hwnd_, closed_);
      return;
    }
    ShowMessageBox(refusal, "Choose destination directory", MessageButtons::Ok,
                   MessageIcon::Error);
    SetFocus(path);
  }

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    RememberForm(hwnd, msg, lParam);
    DestinationWindow* self = FormOf<DestinationWindow>(hwnd);
    switch (msg) {
      case WM_COMMAND:
        if (!self) break;
        if (LOWORD(wParam) == kPathId && HIWORD(wParam) == EN_CHANGE) self->UpdateOkButton();
        // Enter reaches OK only while the button is shown; Escape does nothing.
        if (LOWORD(wParam) == IDOK && IsWindowVisible(GetDlgItem(hwnd, IDOK))) self->Close();
        return 0;
      case WM_CLOSE:
        if (self) self->Close();
        return 0;
      case WM_CTLCOLORSTATIC:
        return LabelColours(wParam);
      default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }

  HWND hwnd_ = nullptr;
  bool closed_ = true;
  const DestinationCheck* check_ = nullptr;
};

}  // namespace

std::unique_ptr<DestinationView> CreateDestinationView() {
  return std::make_unique<DestinationWindow>();
}

}  // namespace cd::os
