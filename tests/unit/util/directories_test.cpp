#include "util/directories.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/exceptions.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "support/message_of.h"
#include "support/temp_dir.h"
#include "util/whole_file.h"

namespace cd {
namespace {

namespace fs = std::filesystem;

class Directories : public testing::Test {
 protected:
  // The test folder as a Windows path with a trailing backslash.
  std::string Base() const { return os::WindowsPath(dir_.Path().string()) + "\\"; }
  test::TempDir dir_;
};

// On one thread and on several, which take the folder's entries side by side.
TEST_F(Directories, DeleteDirectoryContentsKeepsTheFolderItself) {
  for (unsigned jobs : {1u, 4u}) {
    os::ForceDirectories(Base() + "T\\x\\y\\");
    StringToFile("1", Base() + "T\\top.txt");
    StringToFile("2", Base() + "T\\x\\y\\deep.txt");
    for (const std::string folder : {"a", "b", "c"}) {
      os::ForceDirectories(Base() + "T\\" + folder + "\\");
      StringToFile(folder, Base() + "T\\" + folder + "\\in.txt");
    }
    DeleteDirectoryContents(Base() + "T\\", jobs);
    EXPECT_TRUE(fs::is_directory(dir_.Path() / "T"));
    EXPECT_TRUE(fs::is_empty(dir_.Path() / "T")) << jobs;
  }
}

TEST_F(Directories, DeleteDirectoryTreeRemovesEverything) {
  os::ForceDirectories(Base() + "T\\x\\y\\");
  StringToFile("1", Base() + "T\\x\\one.txt");
  DeleteDirectoryTree(Base() + "T\\");
  EXPECT_FALSE(fs::exists(dir_.Path() / "T"));
  EXPECT_NO_THROW(DeleteDirectoryTree(Base() + "T\\"));  // already gone
}

TEST_F(Directories, DeleteDirectoryTreeFailsWhenAFileInsideIsHeldOpen) {
  os::ForceDirectories(Base() + "T\\");
  const std::string held = Base() + "T\\held.txt";
  StringToFile("1", held);
  const auto file = os::OpenFile(held, os::OpenMode::Read, os::ShareMode::DenyWrite);
  const std::string message = test::MessageOf([&] { DeleteDirectoryTree(Base() + "T\\"); });
  EXPECT_EQ(message.rfind("Cannot remove directory \"" + Base() + "T\": ", 0), 0u) << message;
  EXPECT_TRUE(fs::exists(dir_.Path() / "T" / "held.txt"));
}

// A read-only file refuses its deletion as a file; it is not then taken for a folder.
TEST_F(Directories, DeleteDirectoryTreeFailsWhenAFileInsideIsReadOnly) {
  os::ForceDirectories(Base() + "T\\sub\\");
  StringToFile("1", Base() + "T\\sub\\kept.txt");
  StringToFile("2", Base() + "T\\gone.txt");
  const fs::path kept = dir_.Path() / "T" / "sub" / "kept.txt";
  fs::permissions(kept, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const std::string message = test::MessageOf([&] { DeleteDirectoryTree(Base() + "T\\"); });
  fs::permissions(kept, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(message.rfind("Cannot remove directory \"" + Base() + "T\\sub\": ", 0), 0u) << message;
  EXPECT_EQ(FileToString(Base() + "T\\sub\\kept.txt"), "1");
  EXPECT_FALSE(fs::exists(dir_.Path() / "T" / "gone.txt"));
}

#ifndef _WIN32
// A link inside the tree to a folder outside it is removed, and the folder keeps its files.
TEST_F(Directories, DeletingATreeNeverFollowsLinks) {
  os::ForceDirectories(Base() + "T\\");
  os::ForceDirectories(Base() + "Outside\\");
  StringToFile("precious", Base() + "Outside\\keep.txt");
  fs::create_directory_symlink(dir_.Path() / "Outside", dir_.Path() / "T" / "link");
  fs::create_symlink(dir_.Path() / "Outside" / "keep.txt", dir_.Path() / "T" / "filelink");
  fs::create_symlink(dir_.Path() / "nowhere", dir_.Path() / "T" / "dangling");
  DeleteDirectoryTree(Base() + "T\\");
  EXPECT_FALSE(fs::exists(fs::symlink_status(dir_.Path() / "T")));
  EXPECT_EQ(FileToString(Base() + "Outside\\keep.txt"), "precious");
}
#endif

}  // namespace
}  // namespace cd
