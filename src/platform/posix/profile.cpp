// win.ini on POSIX: an ini file under the drive map, read and replaced as a whole.
#include "platform/profile.h"

#include <mutex>

#include "base/exceptions.h"
#include "platform/files.h"
#include "platform/ini_text.h"
#include "platform/replace_file.h"
#include "platform/system_dirs.h"

namespace cd::os {
namespace {

std::mutex& FileMutex() {
  static std::mutex mutex;
  return mutex;
}

std::string WinIni() {
  return WindowsDirectory() + "\\WIN.INI";
}

SectionedText LoadIni() {
  const std::string file = WinIni();
  if (!FileExists(file)) return {};
  return ParseIniText(ReadWholeFile(file));
}

}  // namespace

std::string ProfileString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) {
  std::lock_guard<std::mutex> lock(FileMutex());
  try {
    const auto value = LoadIni().Get(section, name);
    return value ? UnquoteIniValue(*value) : defaultValue;
  } catch (const Exception&) {
    return defaultValue;
  }
}

bool SetProfileString(const std::string& section, const std::string& name,
                      const std::string& value) {
  if (!IsStorableIniSection(section) || !IsStorableIniName(name) || !IsStorableIniValue(value)) {
    return false;
  }
  std::lock_guard<std::mutex> lock(FileMutex());
  try {
    SectionedText ini = LoadIni();
    ini.Set(section, name, QuoteIniValue(value));
    ReplaceFileAtomically(WinIni(), FormatIniText(ini));
    return true;
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace cd::os
