// Directory removal on Windows: RemoveDirectoryA removes a junction or directory symbolic
// link itself, not its target.
#include <windows.h>

#include "platform/dir_removal.h"
#include "platform/win32/win_error.h"

namespace cd::os {

bool IsLink(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool RemoveDir(const std::string& path, std::string* error) {
  if (RemoveDirectoryA(path.c_str())) return true;
  if (error) *error = win32::LastErrorText();
  return false;
}

}  // namespace cd::os
