// The Windows and system directories on POSIX: fixed names on the mapped C: drive, created
// when missing so that callers find them as they would on Windows.
#include "platform/system_dirs.h"

#include <cctype>

#include "base/exceptions.h"
#include "platform/files.h"

namespace cd::os {
namespace {

// Made in lower case ("drive_c/windows/system"), as a Wine prefix names them; every lookup
// ignores the letter case.
std::string Existing(const std::string& dir) {
  try {
    if (!DirectoryExists(dir)) {
      std::string lower = dir;
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      ForceDirectories(lower);
    }
  } catch (const Exception&) {
    // An unmapped or read-only C: drive: callers fail when they use the folder.
  }
  return dir;
}

}  // namespace

std::string WindowsDirectory() {
  return Existing("C:\\WINDOWS");
}

std::string SystemDirectory() {
  return Existing("C:\\WINDOWS\\SYSTEM");
}

}  // namespace cd::os
