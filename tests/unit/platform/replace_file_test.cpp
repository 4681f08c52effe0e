#include "platform/replace_file.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/temporary_files.h"
#include "platform/temporary_names.h"
#include "support/message_of.h"
#include "unit/platform/win_temp.h"

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

// Names an interrupted run leaves, and names a user may give that look alike.
constexpr const char* kLeftoverNames[] = {"app.dll.~0123abcd.tmp", "x.~ffffffff.tmp",
                                          "a.b.~00000000.tmp"};
constexpr const char* kLookalikeNames[] = {
    ".~0123abcd.tmp",          "user.dll.~0123ABCD.tmp", "user.dll.~0123abc.tmp",
    "user.dll.~0123abcde.tmp", "user.dll.~4567abcd.TMP", "user.dll.~0123abcd.tmp.bak",
    "user.dll.-0123abcd.tmp",  "user.dll.~0123abcg.tmp", "user.dll.~0123abcd.tm"};

TEST(ReplaceFile, OnlyTheTemporaryFormIsTakenForALeftover) {
  for (const char* name : kLeftoverNames) EXPECT_TRUE(IsTemporaryName(name)) << name;
  for (const char* name : kLookalikeNames) EXPECT_FALSE(IsTemporaryName(name)) << name;
  EXPECT_TRUE(IsTemporaryName(ExtractFileName(TemporaryNameFor("C:\\dir\\app.dll"))));
}

TEST(ReplaceFile, TheFirstReplacementInAFolderRemovesLeftoversAndNothingElse) {
  test::WinTempDir t;
  for (const char* name : kLeftoverNames) WriteWholeFile(t.Name(name), "left by a killed run");
  for (const char* name : kLookalikeNames) WriteWholeFile(t.Name(name), "a user's file");
  // A temporary file that a live run is writing.
  const std::string live = t.Name("busy.dll.~00000001.tmp");
  auto writing = OpenFile(live, OpenMode::CreateNew, ShareMode::Exclusive);
  TemporaryFileClaim claim(HostPath(live));
#ifndef _WIN32
  // Another process's: only its claim shows that it is in use.
  const std::string claimed = t.Name("other.dll.~00000002.tmp");
  WriteWholeFile(claimed, "being written");
  TemporaryFileClaim otherClaim(HostPath(claimed));
#endif
  ReplaceFileAtomically(t.Name("new.txt"), "new");
  writing.reset();
#ifndef _WIN32
  EXPECT_TRUE(FileExists(claimed));
#endif
  for (const char* name : kLeftoverNames) EXPECT_FALSE(FileExists(t.Name(name))) << name;
  for (const char* name : kLookalikeNames) EXPECT_TRUE(FileExists(t.Name(name))) << name;
  EXPECT_TRUE(FileExists(live));
  // The folder is looked at once per run: a leftover that turns up later waits for the next.
  WriteWholeFile(t.Name(kLeftoverNames[0]), "left later");
  ReplaceFileAtomically(t.Name("other.txt"), "other");
  EXPECT_TRUE(FileExists(t.Name(kLeftoverNames[0])));
}

// A claim taken through the open file holds after the file is closed, until its rename: a sweep
// by another thread of the run, which a parallel build makes, leaves it alone.
TEST(ReplaceFile, AClaimThroughTheOpenFileOutlivesTheFile) {
  test::WinTempDir t;
  const std::string name = t.Name("app.dll.~00000003.tmp");
  auto file = OpenFile(name, OpenMode::CreateNew, ShareMode::Exclusive);
  {
    TemporaryFileClaim claim(HostPath(name), file.get());
    file.reset();
    EXPECT_FALSE(RemoveLeftover(HostPath(name)));
  }
  EXPECT_TRUE(RemoveLeftover(HostPath(name)));
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
  const std::string message =
      cd::test::MessageOf([&] { ReplacementFile replacement(t.Name("Blocked\\x.txt"), true); });
  EXPECT_NE(message.find("Cannot write file \"" + t.Name("Blocked\\x.txt")), std::string::npos)
      << message;
  EXPECT_EQ(ReadWholeFile(t.Name("Blocked")), "a file");
  EXPECT_EQ(ListDirectory(t.Dir(), "*"), (std::vector<std::string>{"Blocked", "New"}));
}

}  // namespace
}  // namespace cd::os
