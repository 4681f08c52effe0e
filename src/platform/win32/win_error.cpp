// Win32 error codes as text, through FormatMessageA.
#include "platform/win32/win_error.h"

#include <windows.h>

namespace cd::os::win32 {

std::string ErrorText(uint32_t code) {
  char buffer[512];
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, buffer, sizeof buffer, nullptr);
  std::string text(buffer, n);
  while (!text.empty() &&
         (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.')) {
    text.pop_back();
  }
  if (text.empty()) text = "system error " + std::to_string(code);
  return text;
}

std::string LastErrorText() {
  return ErrorText(GetLastError());
}

}  // namespace cd::os::win32
