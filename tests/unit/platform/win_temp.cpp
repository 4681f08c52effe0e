// Temporary folders named in Windows form.
#include "unit/platform/win_temp.h"

#include <filesystem>

#include "platform/drive_map.h"
#include "platform/paths.h"

namespace cd::test {

WinTempDir::WinTempDir() {
#ifndef _WIN32
  if (os::DriveHostFolder('T').empty()) {
    os::MapDrive('T', std::filesystem::temp_directory_path().string());
  }
#endif
  dir_ = os::IncludeTrailingBackslash(os::WindowsPath(temp_.Path().string()));
}

IsolatedDriveC::IsolatedDriveC() {
#ifndef _WIN32
  previous_ = os::DriveHostFolder('C');
  os::MapDrive('C', temp_.Path().string());
#endif
}

IsolatedDriveC::~IsolatedDriveC() {
#ifndef _WIN32
  os::MapDrive('C', previous_);
#endif
}

}  // namespace cd::test
