#include "platform/replace_file.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/paths.h"
#include "unit/platform/win_temp.h"
#include "util/exceptions.h"

namespace cd::os {
namespace {

TEST(ReplaceFile, CommitPutsTheNewVersionInPlace) {
  test::WinTempDir t;
  const std::string target = t.Name("app.dll");
  WriteWholeFile(target, "old version, longer than the new one");
  ReplaceFileAtomically(target, "new");
  EXPECT_EQ(ReadWholeFile(target), "new");
  EXPECT_EQ(ListDirectory(t.Dir(), "*.*"), std::vector<std::string>{"app.dll"});
  ReplaceFileAtomically(t.Name("fresh.txt"), "created");
  EXPECT_EQ(ReadWholeFile(t.Name("fresh.txt")), "created");
}

TEST(ReplaceFile, ATargetNamedInOtherLetterCaseReplacesTheFileThatIsThere) {
  test::WinTempDir t;
  WriteWholeFile(t.Name("App.DLL"), "old");
  ReplaceFileAtomically(t.Name("app.dll"), "new");
  EXPECT_EQ(ListDirectory(t.Dir(), "*.*"), std::vector<std::string>{"App.DLL"});
  EXPECT_EQ(ReadWholeFile(t.Name("APP.dll")), "new");
}

TEST(ReplaceFile, AnUnfinishedReplacementLeavesTheTargetAlone) {
  test::WinTempDir t;
  const std::string target = t.Name("app.dll");
  WriteWholeFile(target, "old");
  {
    ReplacementFile replacement(target);
    replacement.File().Write("half", 4);
    EXPECT_TRUE(FileExists(replacement.TemporaryName()));
    EXPECT_EQ(ExtractFilePath(replacement.TemporaryName()), ExtractFilePath(HostPath(target)));
  }
  EXPECT_EQ(ReadWholeFile(target), "old");
  EXPECT_EQ(ListDirectory(t.Dir(), "*.*"), std::vector<std::string>{"app.dll"});
}

TEST(ReplaceFile, ATargetInUseIsNotReplaced) {
  test::WinTempDir t;
  const std::string target = t.Name("busy.exe");
  WriteWholeFile(target, "running");
  auto inUse = OpenFile(target, OpenMode::Read, ShareMode::DenyWrite);
  EXPECT_THROW(ReplaceFileAtomically(target, "new"), Exception);
  inUse.reset();
  EXPECT_EQ(ReadWholeFile(target), "running");
  EXPECT_EQ(ListDirectory(t.Dir(), "*.*"), std::vector<std::string>{"busy.exe"});
  EXPECT_THROW(ReplacementFile(t.Name("no such folder\\x.txt")), Exception);
}

TEST(ReplaceFile, AMissingFolderIsMadeOnlyWhenAsked) {
  test::WinTempDir t;
  const std::string target = t.Name("New\\Deeper\\x.txt");
  {
    ReplacementFile replacement(target, true);
    replacement.File().Write("x", 1);
    replacement.Commit();
  }
  EXPECT_EQ(ReadWholeFile(t.Name("new\\deeper\\X.TXT")), "x");
  // A file where the folder must go: nothing is made, and the failure names the target.
  WriteWholeFile(t.Name("Blocked"), "a file");
  try {
    ReplacementFile replacement(t.Name("Blocked\\x.txt"), true);
    FAIL() << "a file was made below a file";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find("Cannot write file \"" + t.Name("Blocked\\x.txt")),
              std::string::npos)
        << e.Message();
  }
  EXPECT_EQ(ReadWholeFile(t.Name("Blocked")), "a file");
  EXPECT_EQ(ListDirectory(t.Dir(), "*"), (std::vector<std::string>{"Blocked", "New"}));
}

}  // namespace
}  // namespace cd::os
