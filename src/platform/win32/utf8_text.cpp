// windows-1250 to UTF-8 through UTF-16.
#include "platform/utf8_text.h"

#include "platform/win32/form_window.h"

namespace cd::os {

std::string AnsiToUtf8(const std::string& ansi) {
  const std::wstring wide = win32::ToWide(ansi);
  if (wide.empty()) return std::string();
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                      nullptr, nullptr);
  return utf8;
}

}  // namespace cd::os
