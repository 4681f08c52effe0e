#include "util/file_properties.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "platform/dos_time.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "support/message_of.h"
#include "support/temp_dir.h"
#include "util/whole_file.h"

namespace cd {
namespace {

int32_t Stamp(int year, int month, int day, int hour, int minute, int second) {
  return *os::PackDosDateTime({year, month, day, hour, minute, second});
}

TEST(FileProperties, SizeByNameFindsFilesFoldersAndPatterns) {
  test::TempDir dir;
  StringToFile(std::string(1234, 'a'), dir.File("data.bin"));
  std::filesystem::create_directory(dir.Path() / "sub");
  EXPECT_EQ(GetFileSizeByName(dir.File("data.bin")), 1234);
  EXPECT_EQ(GetFileSizeByName(dir.File("sub")), 0);
  EXPECT_EQ(GetFileSizeByName(dir.File("missing.bin")), -1);
  // Patterns are searched in the folder part of a Windows path.
  const std::string folder = os::WindowsPath(dir.Path().string());
  EXPECT_EQ(GetFileSizeByName(folder + "\\d*.b?n"), 1234);
  EXPECT_EQ(GetFileSizeByName(folder + "\\*.none"), -1);
}

TEST(FileProperties, DatesRoundTripAndMissingFilesAndFoldersGiveMinusOne) {
  test::TempDir dir;
  const std::string path = dir.File("dated.txt");
  StringToFile("x", path);
  const int32_t stamp = Stamp(2001, 9, 30, 13, 45, 58);
  SetFileDate(path, stamp);
  EXPECT_EQ(GetFileDate(path), stamp);
  EXPECT_EQ(GetFileDate(dir.File("missing.txt")), -1);
  os::ForceDirectories(dir.File("folder"));
  EXPECT_EQ(GetFileDate(dir.File("folder")), -1);  // a folder is no file
  SetFileDate(dir.File("missing.txt"), stamp);  // silently nothing
  EXPECT_FALSE(os::FileExists(dir.File("missing.txt")));
}

TEST(FileProperties, AFileHeldExclusivelyCountsAsMissing) {
  test::TempDir dir;
  const std::string path = dir.File("locked.dll");
  StringToFile("x", path);
  const auto holder = os::OpenFile(path, os::OpenMode::ReadWrite, os::ShareMode::Exclusive);
  EXPECT_EQ(GetFileDate(path), -1);
}

TEST(FileProperties, CheckFileExistsNamesCallerAndFile) {
  test::TempDir dir;
  const std::string present = dir.File("present.txt");
  StringToFile("x", present);
  EXPECT_NO_THROW(CheckFileExists("TDatumValue.CheckConsistence", present));
  const std::string missing = dir.File("missing.txt");
  EXPECT_EQ(test::MessageOf([&] { CheckFileExists("TDatumValue.CheckConsistence", missing); }),
            "TDatumValue.CheckConsistence: File \"" + missing + "\" does not exist!");
  EXPECT_THROW(CheckFileExists("X", dir.Path().string()), Exception);  // a folder is no file
  EXPECT_TRUE(DirectoryExists(dir.Path().string()));
  EXPECT_FALSE(DirectoryExists(present));
}

}  // namespace
}  // namespace cd
