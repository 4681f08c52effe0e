#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/exceptions.h"
#include "platform/dos_time.h"
#include "platform/paths.h"
#include "support/message_of.h"
#include "unit/platform/win_temp.h"

namespace cd::os {
namespace {

using test::WinTempDir;

std::string ReadRest(File& file) {
  std::string data(64, '\0');
  data.resize(static_cast<size_t>(file.Read(data.data(), 64)));
  return data;
}

TEST(Files, WholeFileRoundTripKeepsBinaryBytes) {
  WinTempDir t;
  const std::string name = t.Name("data.bin");
  const std::string data("a\0b\r\n\xff", 6);
  WriteWholeFile(name, data);
  EXPECT_EQ(ReadWholeFile(name), data);
  EXPECT_EQ(FileSize(name), 6);
  WriteWholeFile(name, "xy");  // a longer file is replaced completely
  EXPECT_EQ(ReadWholeFile(name), "xy");
  WriteWholeFile(name, "");
  EXPECT_EQ(ReadWholeFile(name), "");
}

TEST(Files, MissingFileFailsNamingIt) {
  WinTempDir t;
  const std::string name = t.Name("missing.txt");
  const std::string message = cd::test::MessageOf([&] { ReadWholeFile(name); });
  EXPECT_NE(message.find(name), std::string::npos) << message;
  EXPECT_THROW(OpenFile(name, OpenMode::Write, ShareMode::DenyNone), Exception);
  EXPECT_FALSE(FileExists(name));
  EXPECT_EQ(FileSize(name), -1);
  EXPECT_EQ(FileAge(name), -1);
}

TEST(Files, OpenModesSeekAndTruncate) {
  WinTempDir t;
  const std::string name = t.Name("f.txt");
  WriteWholeFile(name, "0123456789");
  {
    auto file = OpenFile(name, OpenMode::Write, ShareMode::Exclusive);  // does not truncate
    EXPECT_EQ(file->Seek(4, 0), 4);
    EXPECT_EQ(file->Write("ab", 2), 2);
    EXPECT_EQ(file->Seek(0, 1), 6);
    EXPECT_EQ(file->Seek(-2, 2), 8);
    file->Truncate();
    EXPECT_THROW(file->Seek(0, 7), Exception);
  }
  EXPECT_EQ(ReadWholeFile(name), "0123ab67");
  {
    auto file = OpenFile(name, OpenMode::ReadWrite, ShareMode::Exclusive);
    EXPECT_EQ(file->Seek(6, 0), 6);
    EXPECT_EQ(ReadRest(*file), "67");  // a read at the end returns what is left
    EXPECT_EQ(ReadRest(*file), "");
  }
  OpenFile(name, OpenMode::Create, ShareMode::Exclusive);
  EXPECT_EQ(FileSize(name), 0);
}

TEST(Files, ShareModesRefuseConflictingOpens) {
  WinTempDir t;
  const std::string name = t.Name("shared.txt");
  WriteWholeFile(name, "content");
  {
    auto exclusive = OpenFile(name, OpenMode::Read, ShareMode::Exclusive);
    EXPECT_THROW(OpenFile(name, OpenMode::Read, ShareMode::DenyNone), Exception);
    // A refused Create leaves the file as it was.
    EXPECT_THROW(OpenFile(name, OpenMode::Create, ShareMode::DenyNone), Exception);
  }
  EXPECT_EQ(ReadWholeFile(name), "content");
  {
    auto reader = OpenFile(name, OpenMode::Read, ShareMode::DenyWrite);
    EXPECT_NO_THROW(OpenFile(name, OpenMode::Read, ShareMode::DenyNone));
    EXPECT_THROW(OpenFile(name, OpenMode::Write, ShareMode::DenyNone), Exception);
    // A second reader that itself denies reading conflicts with the first reader.
    EXPECT_THROW(OpenFile(name, OpenMode::Read, ShareMode::DenyRead), Exception);
  }
  {
    auto writer = OpenFile(name, OpenMode::Write, ShareMode::DenyNone);
    EXPECT_EQ(ReadWholeFile(name), "content");  // readers share everything
  }
}

TEST(Files, OpenFilesCannotBeDeletedOrReplaced) {
  WinTempDir t;
  const std::string name = t.Name("busy.txt");
  const std::string other = t.Name("other.txt");
  WriteWholeFile(name, "busy");
  WriteWholeFile(other, "other");
  {
    auto file = OpenFile(name, OpenMode::Read, ShareMode::DenyNone);
    EXPECT_FALSE(DeleteFile(name));
    EXPECT_FALSE(RenameFile(other, name));
  }
  EXPECT_TRUE(RenameFile(other, name));
  EXPECT_EQ(ReadWholeFile(name), "other");
  EXPECT_FALSE(FileExists(other));
  EXPECT_FALSE(RenameFile(other, name));

  // A closed file put in place obeys the same rules for its target.
  WriteWholeFile(other, "newer");
  {
    auto file = OpenFile(name, OpenMode::Read, ShareMode::DenyNone);
    EXPECT_FALSE(PutInPlace(other, name));
  }
  EXPECT_TRUE(PutInPlace(other, name));
  EXPECT_EQ(ReadWholeFile(name), "newer");
  EXPECT_FALSE(PutInPlace(other, name));
  EXPECT_TRUE(DeleteFile(name));
  EXPECT_FALSE(DeleteFile(name));
}

TEST(Files, DirectoriesAreNotFiles) {
  WinTempDir t;
  const std::string dir = t.Name("A\\B\\C");
  ForceDirectories(dir + "\\");
  EXPECT_TRUE(DirectoryExists(dir));
  EXPECT_TRUE(DirectoryExists(t.Name("A")));
  EXPECT_FALSE(FileExists(dir));
  EXPECT_EQ(FileSize(dir), -1);
  EXPECT_EQ(FileAge(dir), -1);
  EXPECT_FALSE(DeleteFile(dir));
  EXPECT_THROW(OpenFile(dir, OpenMode::Read, ShareMode::DenyNone), Exception);
  ForceDirectories(dir);  // existing: nothing to do
  EXPECT_EQ(cd::test::MessageOf([] { ForceDirectories(""); }), "Unable to create directory");
  WriteWholeFile(t.Name("file"), "x");
  EXPECT_EQ(cd::test::MessageOf([&] {
              ForceDirectories(t.Name("file\\sub"));
            }).rfind("Unable to create directory \"" + t.Name("file\\sub") + "\": ", 0),
            0u);
  ForceDirectories("C:");  // a bare drive: nothing to do
  ForceDirectories("C:\\");
}

TEST(Files, RelativeNamesUseTheCurrentDirectory) {
  WinTempDir t;
  const std::filesystem::path saved = std::filesystem::current_path();
  std::filesystem::current_path(t.Host().Path());
  ForceDirectories("xy");
  ForceDirectories("ab\\cd\\");
  WriteWholeFile("ab\\cd\\f.txt", "x");
  // Read back as written, in other letter case and through "..".
  const std::string asWritten = ReadWholeFile("ab\\cd\\f.txt");
  const std::string otherCase = ReadWholeFile("AB\\Cd\\F.TXT");
  const std::string climbed = ReadWholeFile("xy\\..\\ab\\cd\\f.txt");
  std::filesystem::current_path(saved);
  EXPECT_EQ(asWritten + otherCase + climbed, "xxx");
  EXPECT_TRUE(DirectoryExists(t.Name("xy")));
  EXPECT_EQ(ReadWholeFile(t.Name("ab\\cd\\f.txt")), "x");
}

TEST(Files, NamesMatchWithoutRegardToCase) {
  WinTempDir t;
  ForceDirectories(t.Name("Sub"));
  WriteWholeFile(t.Name("Sub\\File.TXT"), "x");
  EXPECT_TRUE(FileExists(t.Name("SUB\\file.txt")));
  EXPECT_EQ(ReadWholeFile(t.Name("sub\\FILE.txt")), "x");
  EXPECT_TRUE(DirectoryExists(t.Name("sUB")));
  WriteWholeFile(t.Name("sub\\file.txt"), "y");  // the same file, not a second one
  EXPECT_EQ(ListDirectory(t.Name("Sub"), "*.*"), std::vector<std::string>{"File.TXT"});
  EXPECT_EQ(ReadWholeFile(t.Name("Sub\\File.TXT")), "y");
}

#ifndef _WIN32
// A link is answered for what it points at, a dangling one as missing.
TEST(Files, LinksAreFollowed) {
  WinTempDir t;
  namespace fs = std::filesystem;
  const fs::path host = t.Host().Path();
  ForceDirectories(t.Name("Folder"));
  WriteWholeFile(t.Name("file.txt"), "four");
  fs::create_symlink(host / "file.txt", host / "to-file");
  fs::create_symlink(host / "Folder", host / "to-folder");
  fs::create_symlink(host / "gone", host / "dangling");
  EXPECT_TRUE(FileExists(t.Name("to-file")));
  EXPECT_EQ(FileSize(t.Name("TO-FILE")), 4);
  EXPECT_TRUE(DirectoryExists(t.Name("to-folder")));
  EXPECT_FALSE(FileExists(t.Name("to-folder")));
  EXPECT_FALSE(FileExists(t.Name("dangling")));
  EXPECT_EQ(FileSize(t.Name("dangling")), -1);
  // A folder is made through a link to one; a dangling link is no folder.
  ForceDirectories(t.Name("to-folder"));
  ForceDirectories(t.Name("to-folder\\new\\"));
  EXPECT_TRUE(fs::is_directory(host / "Folder" / "new"));
  EXPECT_THROW(ForceDirectories(t.Name("dangling")), Exception);
  // Deleting a link deletes the link alone.
  for (const char* link : {"to-file", "to-folder", "dangling"}) {
    EXPECT_TRUE(DeleteFile(t.Name(link))) << link;
    EXPECT_FALSE(fs::exists(fs::symlink_status(host / link))) << link;
  }
  EXPECT_EQ(ReadWholeFile(t.Name("file.txt")), "four");
  EXPECT_TRUE(fs::is_directory(host / "Folder" / "new"));
}
#endif

TEST(Files, FileDatesRoundTripInDosForm) {
  WinTempDir t;
  const std::string name = t.Name("dated.txt");
  WriteWholeFile(name, "x");
  const int32_t stamp = *PackDosDateTime({2001, 9, 15, 13, 45, 30});
  EXPECT_TRUE(SetFileDate(name, stamp));
  EXPECT_EQ(FileAge(name), stamp);
  const int32_t winter = *PackDosDateTime({1999, 1, 2, 3, 4, 6});
  EXPECT_TRUE(SetFileDate(name, winter));
  EXPECT_EQ(FileAge(name), winter);
  EXPECT_FALSE(SetFileDate(name, 0));  // not a valid date: unchanged
  EXPECT_EQ(FileAge(name), winter);
  EXPECT_FALSE(SetFileDate(t.Name("missing.txt"), stamp));
  EXPECT_FALSE(FileExists(t.Name("missing.txt")));
  {
    auto locked = OpenFile(name, OpenMode::Read, ShareMode::Exclusive);
    EXPECT_FALSE(SetFileDate(name, stamp));
  }
  EXPECT_EQ(FileAge(name), winter);
}

TEST(Files, ListDirectoryFiltersAndSorts) {
  WinTempDir t;
  for (const char* name : {"b.txt", "a.TXT", "c.dat", "README"}) WriteWholeFile(t.Name(name), "");
  ForceDirectories(t.Name("dir.txt"));
  EXPECT_EQ(ListDirectory(t.Dir(), "*.txt"),
            (std::vector<std::string>{"a.TXT", "b.txt", "dir.txt"}));
  EXPECT_EQ(ListDirectory(t.Dir(), "*.*").size(), 5u);
  EXPECT_EQ(ListDirectory(t.Dir(), "?.dat"), std::vector<std::string>{"c.dat"});
  EXPECT_TRUE(ListDirectory(t.Name("nothing"), "*.*").empty());
}

TEST(Files, ProgramPathIsADrivePathOfAnExistingFile) {
  const std::string path = ProgramPath();
  EXPECT_TRUE(IsDrivePath(path)) << path;
  EXPECT_TRUE(FileExists(path)) << path;
  EXPECT_NE(ExtractFileName(path).find("test_platform"), std::string::npos) << path;
  EXPECT_EQ(ProgramFolder(), ExtractFilePath(path));
  EXPECT_EQ(ProgramFolder().back(), '\\');
}

}  // namespace
}  // namespace cd::os
