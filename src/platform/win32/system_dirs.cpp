// The Windows and system directories from kernel32.
#include "platform/system_dirs.h"

#include <windows.h>

#include "base/exceptions.h"

namespace cd::os {
namespace {

template <typename Query>
std::string QueryDirectory(Query query, const char* what) {
  std::string buffer(MAX_PATH, '\0');
  UINT n = query(buffer.data(), static_cast<UINT>(buffer.size()));
  if (n >= buffer.size()) {
    buffer.resize(n);
    n = query(buffer.data(), static_cast<UINT>(buffer.size()));
  }
  if (n == 0 || n >= buffer.size()) throw Exception(std::string("Cannot find the ") + what);
  buffer.resize(n);
  return buffer;
}

}  // namespace

std::string WindowsDirectory() {
  return QueryDirectory(GetWindowsDirectoryA, "Windows directory");
}

std::string SystemDirectory() {
  return QueryDirectory(GetSystemDirectoryA, "system directory");
}

}  // namespace cd::os
