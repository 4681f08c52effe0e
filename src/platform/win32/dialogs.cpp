// Message boxes and window classes over user32.
#include "platform/dialogs.h"

#include <windows.h>

#include "base/exceptions.h"
#include "platform/win32/win_error.h"

namespace cd::os {
namespace {

UINT ButtonFlags(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return MB_OK;
    case MessageButtons::OkCancel:
      return MB_OKCANCEL;
    case MessageButtons::YesNo:
      return MB_YESNO;
    case MessageButtons::YesNoCancel:
      return MB_YESNOCANCEL;
  }
  return MB_OK;
}

UINT IconFlags(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None:
      return 0;
    case MessageIcon::Error:
      return MB_ICONERROR;
    case MessageIcon::Warning:
      return MB_ICONWARNING;
    case MessageIcon::Information:
      return MB_ICONINFORMATION;
    case MessageIcon::Question:
      return MB_ICONQUESTION;
  }
  return 0;
}

}  // namespace

struct ClassWindow::Impl {
  HWND window = nullptr;
};

MessageAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) {
  const int answer = MessageBoxA(nullptr, text.c_str(), caption.c_str(),
                                 ButtonFlags(buttons) | IconFlags(icon) | MB_TASKMODAL);
  return static_cast<MessageAnswer>(answer);
}

bool TopLevelWindowExists(const std::string& className) {
  return FindWindowA(className.c_str(), nullptr) != nullptr;
}

ClassWindow::ClassWindow(const std::string& className) : impl_(std::make_unique<Impl>()) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className.c_str();
  if (!RegisterClassA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw Exception("Cannot register window class \"" + className +
                    "\": " + win32::LastErrorText());
  }
  impl_->window = CreateWindowExA(0, className.c_str(), "", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, nullptr);
  if (!impl_->window) {
    throw Exception("Cannot create a window of class \"" + className +
                    "\": " + win32::LastErrorText());
  }
}

ClassWindow::~ClassWindow() {
  DestroyWindow(impl_->window);
}

}  // namespace cd::os
