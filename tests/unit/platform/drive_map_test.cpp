// The POSIX drive map; on Windows drives are real and these rules do not apply.
#ifndef _WIN32
#include "platform/drive_map.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "base/exceptions.h"
#include "platform/files.h"
#include "platform/system_dirs.h"
#include "support/temp_dir.h"

namespace cd::os {
namespace {

namespace fs = std::filesystem;

// Maps a letter to a fresh temporary folder for one test and removes the mapping afterwards.
class MappedDrive {
 public:
  explicit MappedDrive(char letter) : letter_(letter) { MapDrive(letter, Root()); }
  ~MappedDrive() { UnmapDrive(letter_); }
  std::string Root() const { return temp_.Path().string(); }

 private:
  test::TempDir temp_;
  char letter_;
};

TEST(DriveMap, DrivePathsTurnIntoHostPaths) {
  MappedDrive q('Q');
  EXPECT_EQ(HostPath("Q:\\a\\b.txt"), q.Root() + "/a/b.txt");
  EXPECT_EQ(HostPath("q:/a/b.txt"), q.Root() + "/a/b.txt");
  EXPECT_EQ(HostPath("Q:"), q.Root());
  EXPECT_EQ(HostPath("Q:\\"), q.Root());
  EXPECT_EQ(HostPath("Q:\\a\\.\\b\\..\\c"), q.Root() + "/a/c");
  EXPECT_EQ(HostPath("/already/host"), "/already/host");
}

TEST(DriveMap, DotDotNeverClimbsAboveTheDriveRoot) {
  MappedDrive q('Q');
  EXPECT_EQ(HostPath("Q:\\..\\..\\etc\\passwd"), q.Root() + "/etc/passwd");
  EXPECT_EQ(HostPath("Q:\\a\\..\\..\\b"), q.Root() + "/b");
}

TEST(DriveMap, UnmappedDrivesAndUncNamesAreNotFound) {
  UnmapDrive('R');
  EXPECT_THROW(HostPath("R:\\x"), Exception);
  EXPECT_FALSE(FileExists("R:\\x"));
  EXPECT_FALSE(DirectoryExists("R:\\"));
  EXPECT_FALSE(DeleteFile("R:\\x"));
  EXPECT_THROW(OpenFile("R:\\x", OpenMode::Create, ShareMode::Exclusive), Exception);
  EXPECT_THROW(HostPath("\\\\server\\share\\x"), Exception);
  EXPECT_THROW(MapDrive('1', "/tmp"), Exception);
}

TEST(DriveMap, MissingComponentsMatchCaseVariants) {
  MappedDrive q('Q');
  fs::create_directories(q.Root() + "/Data/Sub");
  std::ofstream(q.Root() + "/Data/Sub/File.Txt") << "x";
  EXPECT_EQ(HostPath("Q:\\DATA\\sub\\FILE.TXT"), q.Root() + "/Data/Sub/File.Txt");
  // Below a missing level the names stay as given.
  EXPECT_EQ(HostPath("Q:\\data\\New\\More"), q.Root() + "/Data/New/More");
  // An exact match wins over a case variant.
  std::ofstream(q.Root() + "/Data/sub.txt") << "lower";
  std::ofstream(q.Root() + "/Data/SUB.TXT") << "upper";
  EXPECT_EQ(ReadWholeFile("Q:\\Data\\SUB.TXT"), "upper");
  EXPECT_EQ(ReadWholeFile("Q:\\Data\\sub.txt"), "lower");
}

// A folder's names are kept between lookups; any change of the folder, by this process or
// another, is seen at the next lookup.
TEST(DriveMap, CaseVariantsFollowChangesOfTheFolder) {
  MappedDrive q('Q');
  fs::create_directories(q.Root() + "/Data");
  std::ofstream(q.Root() + "/Data/First.txt") << "1";
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(HostPath("Q:\\data\\FIRST.TXT"), q.Root() + "/Data/First.txt");
  EXPECT_EQ(HostPath("Q:\\data\\second.txt"), q.Root() + "/Data/second.txt");
  std::ofstream(q.Root() + "/Data/Second.TXT") << "2";
  EXPECT_EQ(HostPath("Q:\\data\\second.txt"), q.Root() + "/Data/Second.TXT");
  fs::rename(q.Root() + "/Data/First.txt", q.Root() + "/Data/Renamed.txt");
  EXPECT_EQ(HostPath("Q:\\data\\first.txt"), q.Root() + "/Data/first.txt");
  EXPECT_EQ(HostPath("Q:\\data\\RENAMED.txt"), q.Root() + "/Data/Renamed.txt");
  // A folder made anew under the same name is read anew.
  fs::remove_all(q.Root() + "/Data");
  fs::create_directories(q.Root() + "/Data");
  std::ofstream(q.Root() + "/Data/Third.txt") << "3";
  EXPECT_EQ(HostPath("Q:\\data\\second.txt"), q.Root() + "/Data/second.txt");
  EXPECT_EQ(HostPath("Q:\\data\\THIRD.txt"), q.Root() + "/Data/Third.txt");
}

TEST(DriveMap, RelativeNamesResolveAgainstTheCurrentDirectory) {
  MappedDrive q('Q');
  fs::create_directories(q.Root() + "/Work");
  const fs::path saved = fs::current_path();
  fs::current_path(q.Root() + "/Work");
  const std::string host = HostPath("work.txt");
  const std::string up = HostPath("..\\x");
  fs::current_path(saved);
  EXPECT_EQ(host, fs::canonical(q.Root()).string() + "/Work/work.txt");
  EXPECT_EQ(up, fs::canonical(q.Root()).string() + "/x");
}

TEST(DriveMap, HostPathsTurnBackIntoDrivePaths) {
  MappedDrive q('Q');
  MappedDrive inner('P');
  fs::create_directories(q.Root() + "/deep");
  MapDrive('P', q.Root() + "/deep");
  EXPECT_EQ(WindowsPath(q.Root() + "/a/b.txt"), "Q:\\a\\b.txt");
  EXPECT_EQ(WindowsPath(q.Root()), "Q:\\");
  EXPECT_EQ(WindowsPath(q.Root() + "/deep/x"), "P:\\x");  // the deepest mapping wins
}

TEST(DriveMap, UnmappedFoldersGetTheHighestFreeLetter) {
  test::TempDir outside;
  std::ofstream(outside.File("prog")) << "x";
  const std::string first = WindowsPath(outside.File("prog"));
  ASSERT_EQ(first.size(), 7u) << first;
  EXPECT_EQ(first.substr(1), ":\\prog");
  const char letter = first[0];
  EXPECT_EQ(DriveHostFolder(letter), outside.Path().string());
  EXPECT_EQ(WindowsPath(outside.Path().string()), std::string(1, letter) + ":\\");
  for (char c = static_cast<char>(letter + 1); c <= 'Z'; ++c) {
    EXPECT_FALSE(DriveHostFolder(c).empty()) << c << " was free";
  }
  UnmapDrive(letter);
}

// C: is mapped by default; the Windows folders on it are made when they are asked for, in the
// lower case of a Wine prefix.
TEST(DriveMap, DefaultDriveCHoldsTheWindowsFoldersOnceAskedFor) {
  const std::string c = DriveHostFolder('C');
  ASSERT_FALSE(c.empty());
  EXPECT_EQ(fs::path(c).filename(), "drive_c");
  EXPECT_EQ(SystemDirectory(), "C:\\WINDOWS\\SYSTEM");
  EXPECT_TRUE(DirectoryExists("C:\\WINDOWS\\SYSTEM"));
  EXPECT_TRUE(fs::is_directory(fs::path(c) / "windows" / "system"));
}

}  // namespace
}  // namespace cd::os
#endif
