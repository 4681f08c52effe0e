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

}  // namespace cd::test
