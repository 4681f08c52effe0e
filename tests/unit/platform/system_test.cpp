// The Windows and system directories, registry values and win.ini profile strings.
#include <gtest/gtest.h>

#include <cctype>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/system_dirs.h"
#include "unit/platform/unique_name.h"
#include "unit/platform/win_temp.h"

namespace cd::os {
namespace {

TEST(SystemDirs, WindowsAndSystemDirectoriesExist) {
  test::IsolatedDriveC driveC;
  const std::string windows = WindowsDirectory();
  const std::string system = SystemDirectory();
  EXPECT_TRUE(IsDrivePath(windows)) << windows;
  EXPECT_NE(windows.back(), '\\');
  EXPECT_TRUE(DirectoryExists(windows));
  EXPECT_TRUE(DirectoryExists(system));
  EXPECT_TRUE(SameTextAscii(system.substr(0, windows.size() + 1), windows + "\\")) << system;
#ifndef _WIN32
  EXPECT_EQ(windows, "C:\\WINDOWS");
  EXPECT_EQ(system, "C:\\WINDOWS\\SYSTEM");
#endif
}

TEST(Registry, StringValuesRoundTrip) {
  test::IsolatedDriveC driveC;
  const std::string key = "Software\\CdRunTest\\" + test::UniqueName("k") + "\\Setup";
  const RegistryRoot root = RegistryRoot::CurrentUser;
  EXPECT_FALSE(ReadRegistryString(root, key, "URLAtCompletion"));
  ASSERT_TRUE(WriteRegistryString(root, key, "URLAtCompletion", "No"));
  EXPECT_EQ(ReadRegistryString(root, key, "URLAtCompletion"), "No");
  // Keys and value names ignore letter case; an empty name is the default value.
  std::string upperKey = key;
  for (char& c : upperKey) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(ReadRegistryString(root, upperKey, "urlatcompletion"), "No");
  ASSERT_TRUE(WriteRegistryString(root, key, "", "default"));
  EXPECT_EQ(ReadRegistryString(root, key, ""), "default");
  const std::string odd = "quote\" back\\slash\nline\tend [x] %41 \xe9";
  ASSERT_TRUE(WriteRegistryString(root, key, "Odd \"name\"", odd));
  EXPECT_EQ(ReadRegistryString(root, key, "Odd \"name\""), odd);
  ASSERT_TRUE(WriteRegistryString(root, key, "URLAtCompletion", ""));
  EXPECT_EQ(ReadRegistryString(root, key, "URLAtCompletion"), "");
  EXPECT_FALSE(ReadRegistryString(RegistryRoot::LocalMachine, key, "URLAtCompletion"));
}

TEST(Profile, WinIniStringsRoundTrip) {
  test::IsolatedDriveC driveC;
  const std::string section = test::UniqueName("CdRun Test");
  EXPECT_EQ(ProfileString(section, "ServerPath", "none"), "none");
  ASSERT_TRUE(SetProfileString(section, "ServerPath", "c:\\data\\"));
  EXPECT_EQ(ProfileString(section, "ServerPath", ""), "c:\\data\\");
  EXPECT_EQ(ProfileString(section, "SERVERPATH", ""), "c:\\data\\");
  ASSERT_TRUE(SetProfileString(section, "ServerPath", "d:\\other\\"));  // replaced
  EXPECT_EQ(ProfileString(section, "ServerPath", ""), "d:\\other\\");
  // Blanks at the ends and enclosing quotes survive a write and a read.
  ASSERT_TRUE(SetProfileString(section, "Padded", "  x  "));
  EXPECT_EQ(ProfileString(section, "Padded", ""), "  x  ");
  ASSERT_TRUE(SetProfileString(section, "Quoted", "\"q\""));
  EXPECT_EQ(ProfileString(section, "Quoted", ""), "\"q\"");
  EXPECT_FALSE(SetProfileString(section, "Bad", "two\nlines"));
  EXPECT_FALSE(SetProfileString(section, "a=b", "x"));
  EXPECT_FALSE(SetProfileString("sec]tion", "a", "x"));
  EXPECT_EQ(ProfileString(section, "Bad", "unset"), "unset");
}

}  // namespace
}  // namespace cd::os
