// The update window "Installer" (class TQXMainSetupForm): message and file-name lines, the
// bar and the two totals. The update runs inside its modal loop, started by the message the
// window posts to itself once it is shown.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <exception>
#include <memory>

#include "platform/dialogs.h"
#include "platform/messages.h"
#include "platform/views.h"
#include "platform/win32/form_window.h"

namespace cd::os {

namespace {

using namespace win32;

constexpr UINT kStartUpdateMessage = 19872;  // 0x4DA0, both parameters 0

class ProgressWindow : public ProgressView {
 public:
  ~ProgressWindow() override {
    if (hwnd_) DestroyWindow(hwnd_);
  }

  void RunModal(const std::function<void()>& start) override {
    Create();
    start_ = &start;
    failure_ = nullptr;
    closed_ = false;
    CenterOnScreen(hwnd_);
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    PostMessageW(hwnd_, kStartUpdateMessage, 0, 0);
    RunModalLoop(hwnd_, closed_);
    start_ = nullptr;
    if (failure_) std::rethrow_exception(failure_);
  }
  void SetMessage(const std::string& text) override { SetTextNow(Control(kMessage), text); }
  void SetFileName(const std::string& text) override { SetTextNow(Control(kFileName), text); }
  void SetTotalText(const std::string& text) override { SetTextNow(Control(kTotal), text); }
  void SetCopiedText(const std::string& text) override { SetTextNow(Control(kCopied), text); }
  void SetBar(int32_t min, int32_t max, int32_t position) override {
    HWND bar = Control(kBar);
    SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(min), static_cast<LPARAM>(max));
    SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    UpdateWindow(bar);
  }
  void ProcessMessages() override { os::ProcessMessages(); }
  void ShowInformation(const std::string& title, const std::string& text) override {
    ShowMessageBox(text, title, MessageButtons::Ok, MessageIcon::Information);
  }

 private:
  enum ControlId { kMessage = 101, kFileName, kBar, kTotal, kCopied };

  void Create() {
    if (hwnd_) return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    // A caption without system menu: no close, minimise or maximise button.
    hwnd_ = CreateForm(L"TQXMainSetupForm", &Proc, "Installer", WS_POPUP | WS_CAPTION,
                       WS_EX_DLGMODALFRAME, 0, 0, 283, 151, this);
    constexpr DWORD kFixedLabel = SS_NOPREFIX;
    AddControl(hwnd_, L"STATIC", "Updating files...", kFixedLabel | SS_CENTER, 5, 32, 260, 13,
               kMessage);
    AddControl(hwnd_, L"STATIC", "", kFixedLabel | SS_CENTER, 6, 48, 265, 13, kFileName);
    HWND bar = AddControl(hwnd_, PROGRESS_CLASSW, "", 0, 16, 72, 241, 16, kBar);
    SendMessageW(bar, PBM_SETRANGE32, 0, 100);
    AddControl(hwnd_, L"STATIC", "Total:", kFixedLabel, 16, 96, 113, 13, kTotal);
    AddControl(hwnd_, L"STATIC", "Copied:", kFixedLabel, 136, 96, 121, 13, kCopied);
  }

  HWND Control(int id) {
    Create();
    return GetDlgItem(hwnd_, id);
  }

  // Runs the update; the window closes whatever its outcome, and a failure is kept to be
  // raised again outside the window procedure.
  void StartUpdate() {
    if (start_ == nullptr || closed_) return;
    try {
      (*start_)();
    } catch (...) {
      failure_ = std::current_exception();
    }
    ShowWindow(hwnd_, SW_HIDE);
    EndModal(hwnd_, closed_);
  }

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    RememberForm(hwnd, msg, lParam);
    ProgressWindow* self = FormOf<ProgressWindow>(hwnd);
    switch (msg) {
      case kStartUpdateMessage:
        if (self) self->StartUpdate();
        return 0;
      case WM_CTLCOLORSTATIC:
        return LabelColours(wParam);
      case WM_CLOSE:
        return 0;  // the window closes only when the update is over
      default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
  }

  HWND hwnd_ = nullptr;
  const std::function<void()>* start_ = nullptr;
  std::exception_ptr failure_;
  bool closed_ = true;
};

}  // namespace

std::unique_ptr<ProgressView> CreateProgressView() {
  return std::make_unique<ProgressWindow>();
}

}  // namespace cd::os
