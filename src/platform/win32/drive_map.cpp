// Drive mapping on Windows: drives are real, so mapping only checks its argument.
#include "platform/drive_map.h"

#include <windows.h>

#include "base/exceptions.h"

namespace cd::os {
namespace {

char CheckedLetter(char letter) {
  if (letter >= 'a' && letter <= 'z') return static_cast<char>(letter - 'a' + 'A');
  if (letter >= 'A' && letter <= 'Z') return letter;
  throw Exception(std::string("Invalid drive letter \"") + letter + "\"");
}

}  // namespace

void MapDrive(char letter, const std::string&, DriveType) {
  CheckedLetter(letter);
}

void UnmapDrive(char letter) {
  CheckedLetter(letter);
}

std::string DriveHostFolder(char letter) {
  return std::string(1, CheckedLetter(letter)) + ":\\";
}

std::string WindowsPath(const std::string& hostPath) {
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetFullPathNameA(hostPath.c_str(), static_cast<DWORD>(buffer.size()),
                                     buffer.data(), nullptr);
    if (n == 0) throw Exception("Cannot find the full path of \"" + hostPath + "\"");
    if (n < buffer.size()) return buffer.substr(0, n);
    buffer.resize(n + 1);
  }
}

}  // namespace cd::os
