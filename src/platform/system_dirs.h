// The Windows directory and the system directory, without a trailing backslash, as
// GetWindowsDirectoryA and GetSystemDirectoryA give them. On POSIX they are "C:\WINDOWS" and
// "C:\WINDOWS\SYSTEM" on the mapped C: drive, created when missing.
#pragma once

#include <string>

namespace cd::os {

std::string WindowsDirectory();
std::string SystemDirectory();

}  // namespace cd::os
