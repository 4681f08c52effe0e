// ANSI text in UTF-8 on Windows: through UTF-16 with the system's code page.
#include "platform/text_encoding.h"

#include <windows.h>

namespace cd::os {

std::string AnsiToUtf8(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int size = static_cast<int>(ansi.size());
  const int wide = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
  if (wide <= 0) return ansi;
  std::wstring utf16(static_cast<size_t>(wide), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, utf16.data(), wide);
  const int bytes =
      ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return ansi;
  std::string utf8(static_cast<size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

}  // namespace cd::os
