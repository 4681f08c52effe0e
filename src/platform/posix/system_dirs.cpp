// The Windows and system directories on POSIX: fixed names on the mapped C: drive, created
// when missing so that callers find them as they would on Windows.
#include "platform/system_dirs.h"

#include "platform/files.h"
#include "util/exceptions.h"

namespace cd::os {
namespace {

std::string Existing(const std::string& dir) {
  try {
    if (!DirectoryExists(dir)) ForceDirectories(dir);
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
