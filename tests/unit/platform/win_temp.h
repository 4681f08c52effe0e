// A temporary folder for platform tests, with its Windows name: on POSIX the system's temp
// folder is mounted once as drive T:, on Windows the name is the real one.
#pragma once

#include <string>

#include "support/temp_dir.h"

namespace cd::test {

class WinTempDir {
 public:
  WinTempDir();
  // The folder's Windows name with a trailing backslash ("T:\cdtest-...\").
  const std::string& Dir() const { return dir_; }
  // Dir() followed by name.
  std::string Name(const std::string& name) const { return dir_ + name; }
  const TempDir& Host() const { return temp_; }

 private:
  TempDir temp_;
  std::string dir_;
};

// On POSIX, drive C: mapped to a fresh temporary folder for the object's life, so that tests
// of the Windows directory, the registry and win.ini touch nothing outside; on Windows nothing.
class IsolatedDriveC {
 public:
  IsolatedDriveC();
  ~IsolatedDriveC();
  IsolatedDriveC(const IsolatedDriveC&) = delete;
  IsolatedDriveC& operator=(const IsolatedDriveC&) = delete;

 private:
  TempDir temp_;
  std::string previous_;
};

}  // namespace cd::test
