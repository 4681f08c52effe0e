// On POSIX, programs by Windows name are written runnable, however they are written.
#include <gtest/gtest.h>

#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/replace_file.h"
#include "support/temp_dir.h"

#ifndef _WIN32
#include <sys/stat.h>

namespace cd::os {
namespace {

bool Executable(const std::string& hostName) {
  struct stat st {};
  return stat(hostName.c_str(), &st) == 0 && (st.st_mode & S_IXUSR) != 0;
}

TEST(ProgramMode, ProgramsAreRunnableAndDataIsNot) {
  test::TempDir dir;
  const std::string folder = WindowsPath(dir.Path().string());
  ReplaceFileAtomically(folder + "\\viewer.EXE", "#!/bin/sh\n");
  WriteWholeFile(folder + "\\setup.bat", "x");
  ReplaceFileAtomically(folder + "\\course.txt", "x");
  EXPECT_TRUE(Executable(dir.File("viewer.EXE")));
  EXPECT_TRUE(Executable(dir.File("setup.bat")));
  EXPECT_FALSE(Executable(dir.File("course.txt")));
}

}  // namespace
}  // namespace cd::os
#endif
