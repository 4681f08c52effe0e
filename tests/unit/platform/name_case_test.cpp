// Names in other letter case find the entries this program and others make, rename and remove,
// right after the change.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/replace_file.h"
#include "unit/platform/win_temp.h"

namespace cd::os {
namespace {

using test::WinTempDir;

TEST(NameCase, ChangesOfThisProgramShowAtOnce) {
  WinTempDir t;
  ForceDirectories(t.Name("New\\Deeper"));
  EXPECT_TRUE(DirectoryExists(t.Name("NEW\\deeper")));
  for (int i = 0; i < 50; ++i) {
    WriteWholeFile(t.Name("new\\File" + std::to_string(i) + ".Txt"), std::to_string(i));
    // Each file is found in other letter case at once, and the next write replaces it.
    ASSERT_TRUE(FileExists(t.Name("NEW\\FILE" + std::to_string(i) + ".TXT"))) << i;
  }
  WriteWholeFile(t.Name("NEW\\file7.txt"), "again");
  EXPECT_EQ(ReadWholeFile(t.Name("New\\File7.Txt")), "again");
  EXPECT_EQ(ListDirectory(t.Name("New"), "file7*").size(), 1u);

  ASSERT_TRUE(RenameFile(t.Name("new\\FILE3.txt"), t.Name("new\\Moved.txt")));
  EXPECT_FALSE(FileExists(t.Name("New\\file3.txt")));
  EXPECT_EQ(ReadWholeFile(t.Name("NEW\\MOVED.TXT")), "3");
  ASSERT_TRUE(DeleteFile(t.Name("new\\moved.TXT")));
  EXPECT_FALSE(FileExists(t.Name("New\\Moved.txt")));

  ReplaceFileAtomically(t.Name("NEW\\FILE4.TXT"), "replaced");
  EXPECT_EQ(ReadWholeFile(t.Name("new\\file4.txt")), "replaced");
  EXPECT_EQ(ListDirectory(t.Name("New"), "*").size(), 50u);  // 49 files and "Deeper"
}

TEST(NameCase, ChangesOfOtherProgramsShowToo) {
  WinTempDir t;
  const std::filesystem::path host = t.Host().Path();
  std::filesystem::create_directories(host / "Shared");
  // The folder is looked at and known to this program before the others change it.
  EXPECT_FALSE(FileExists(t.Name("shared\\x.txt")));
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  EXPECT_FALSE(FileExists(t.Name("shared\\x.txt")));
  std::ofstream(host / "Shared" / "Other.TXT") << "theirs";
  EXPECT_EQ(ReadWholeFile(t.Name("SHARED\\other.txt")), "theirs");

  // A change of this program, then later one of another program in the same folder.
  WriteWholeFile(t.Name("shared\\Mine.txt"), "mine");
  EXPECT_TRUE(FileExists(t.Name("SHARED\\MINE.TXT")));
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::ofstream(host / "Shared" / "Later.TXT") << "later";
  EXPECT_EQ(ReadWholeFile(t.Name("shared\\LATER.txt")), "later");
  std::filesystem::remove(host / "Shared" / "Other.TXT");
  EXPECT_FALSE(FileExists(t.Name("shared\\other.txt")));
}

TEST(NameCase, AFolderOnlyPartlyThereIsCompletedUnderTheNamesFound) {
  WinTempDir t;
  ForceDirectories(t.Name("Data"));
  ForceDirectories(t.Name("DATA\\one\\two"));
  WriteWholeFile(t.Name("data\\ONE\\Two\\f.txt"), "x");
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(t.Host().Path()))
    found.push_back(entry.path().lexically_relative(t.Host().Path()).generic_string());
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"Data", "Data/one", "Data/one/two",
                                             "Data/one/two/f.txt"}));
  EXPECT_FALSE(FileExists(t.Name("data\\one\\two\\missing.txt")));
  EXPECT_FALSE(FileExists(t.Name("data\\none\\two\\f.txt")));
}

TEST(NameCase, AFolderKnownHigherUpAnswersForTheLevelsBelowIt) {
  WinTempDir t;
  const std::filesystem::path host = t.Host().Path();
  std::filesystem::create_directories(host / "Top" / "Mid");
  std::ofstream(host / "Top" / "Mid" / "File.txt") << "deep";
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  EXPECT_FALSE(FileExists(t.Name("top\\none.txt")));
  EXPECT_FALSE(FileExists(t.Name("x.txt")));
  EXPECT_EQ(ReadWholeFile(t.Name("TOP\\MID\\FILE.TXT")), "deep");
  EXPECT_FALSE(FileExists(t.Name("top\\missing\\deeper\\f.txt")));
  EXPECT_FALSE(DirectoryExists(t.Name("TOP\\Missing")));
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::filesystem::create_directories(host / "Top" / "Missing" / "Deeper");
  std::ofstream(host / "Top" / "Missing" / "Deeper" / "F.TXT") << "new";
  EXPECT_EQ(ReadWholeFile(t.Name("top\\missing\\deeper\\f.txt")), "new");
}

// An update run may be repeated after another program removed what the last one installed.
TEST(NameCase, AKnownFolderRemovedAndMadeAgainByOthers) {
  WinTempDir t;
  const std::filesystem::path host = t.Host().Path();
  ForceDirectories(t.Name("App\\Bin"));
  WriteWholeFile(t.Name("app\\bin\\Tool.dll"), "first");
  EXPECT_TRUE(FileExists(t.Name("APP\\BIN\\TOOL.DLL")));
  std::filesystem::remove_all(host / "App");
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(FileExists(t.Name("app\\bin\\tool.dll"))) << i;
    EXPECT_FALSE(DirectoryExists(t.Name("APP\\bin"))) << i;
  }
  std::filesystem::create_directories(host / "APP" / "BIN");
  std::ofstream(host / "APP" / "BIN" / "TOOL.DLL") << "second";
  EXPECT_EQ(ReadWholeFile(t.Name("app\\bin\\tool.dll")), "second");
  WriteWholeFile(t.Name("App\\Bin\\Other.dll"), "mine");
  EXPECT_TRUE(std::filesystem::exists(host / "APP" / "BIN" / "Other.dll"));
}

#ifndef _WIN32
// A host folder may hold names that differ only in letter case: the name as written wins.
TEST(NameCase, TheNameAsWrittenWinsOverItsOtherCase) {
  WinTempDir t;
  const std::filesystem::path host = t.Host().Path();
  std::ofstream(host / "Both.txt") << "mixed";
  std::ofstream(host / "BOTH.TXT") << "upper";
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  EXPECT_FALSE(FileExists(t.Name("missing.txt")));  // the folder's names are read and kept
  EXPECT_EQ(ReadWholeFile(t.Name("Both.txt")), "mixed");
  EXPECT_EQ(ReadWholeFile(t.Name("BOTH.TXT")), "upper");
  EXPECT_EQ(HostPath(t.Name("BOTH.TXT")), (host / "BOTH.TXT").string());
  EXPECT_EQ(HostPath(t.Name("Both.txt")), (host / "Both.txt").string());
  ASSERT_TRUE(DeleteFile(t.Name("BOTH.TXT")));
  EXPECT_EQ(HostPath(t.Name("both.TXT")), (host / "Both.txt").string());
}
#endif

}  // namespace
}  // namespace cd::os
