// win.ini profile strings over kernel32.
#include "platform/profile.h"

#include <windows.h>

#include "platform/ini_text.h"

namespace cd::os {

std::string ProfileString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) {
  std::string buffer(256, '\0');
  for (;;) {
    const DWORD n = GetProfileStringA(section.c_str(), name.c_str(), defaultValue.c_str(),
                                      buffer.data(), static_cast<DWORD>(buffer.size()));
    // A result of size - 1 may mean the value was cut: try again with more room.
    if (n + 1 < buffer.size() || buffer.size() >= (1u << 20)) return buffer.substr(0, n);
    buffer.resize(buffer.size() * 4);
  }
}

bool SetProfileString(const std::string& section, const std::string& name,
                      const std::string& value) {
  if (!IsStorableIniSection(section) || !IsStorableIniName(name) || !IsStorableIniValue(value)) {
    return false;
  }
  return WriteProfileStringA(section.c_str(), name.c_str(), QuoteIniValue(value).c_str()) != 0;
}

}  // namespace cd::os
