// The update decision: dates, versions, totals and the look-ups of a files manager.
#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "engine_fixture.h"
#include "install/component_list.h"
#include "install/datum_value.h"
#include "install/file_group.h"
#include "install/hooks.h"
#include "install/version_value.h"
#include "support/disk_datum.h"
#include "support/hook_guard.h"
#include "support/message_of.h"
#include "support/pe_builder.h"

namespace cd::test {
namespace {

class DecisionTest : public ::testing::Test {
 protected:
  TDatumValue* Datum(const std::string& path, int32_t time, int32_t destSize = 10) {
    return AddDiskDatum(manager_.get(), path, time, destSize);
  }

  EngineFixture fx_;
  std::unique_ptr<TFilesManager> manager_ = fx_.NewFilesManager();
};

TEST_F(DecisionTest, DateRuleReplacesOnlyMissingOrOlderFiles) {
  TDatumValue* missing = Datum("missing.txt", EngineFixture::Day(10));
  TDatumValue* older = Datum("older.txt", EngineFixture::Day(10));
  TDatumValue* same = Datum("same.txt", EngineFixture::Day(10));
  TDatumValue* newer = Datum("newer.txt", EngineFixture::Day(10));
  TDatumValue* neverRecorded = Datum("norecord.txt", 0);
  EngineFixture::WriteFile(fx_.DiskFile("older.txt"), "x", EngineFixture::Day(9));
  EngineFixture::WriteFile(fx_.DiskFile("same.txt"), "x", EngineFixture::Day(10));
  EngineFixture::WriteFile(fx_.DiskFile("newer.txt"), "x", EngineFixture::Day(11));
  EngineFixture::WriteFile(fx_.DiskFile("norecord.txt"), "x", EngineFixture::Day(1));

  EXPECT_EQ(manager_->PrepareUpdate(nullptr), 20);
  EXPECT_TRUE(missing->Needed());
  EXPECT_TRUE(older->Needed());
  EXPECT_FALSE(same->Needed());
  EXPECT_FALSE(newer->Needed());
  EXPECT_FALSE(neverRecorded->Needed());
}

TEST_F(DecisionTest, VersionRuleBeatsDates) {
  PeOptions options;
  options.fileVersion = MakeVersion(1, 2, 3, 4);
  const std::string image = BuildPeImage(options);
  auto* sameVersion = new TVersionValue(manager_.get(), "same.dll");
  auto* higherOnDisk = new TVersionValue(manager_.get(), "higher.dll");
  auto* lowerOnDisk = new TVersionValue(manager_.get(), "lower.dll");
  for (TVersionValue* item : {sameVersion, higherOnDisk, lowerOnDisk}) {
    item->SetInstalTarget("Disk");
    item->SetTime(EngineFixture::Day(20));
  }
  sameVersion->SetVersion64(0x0001000200030004LL);
  higherOnDisk->SetVersion64(0x0001000100000000LL);
  lowerOnDisk->SetVersion64(0x0002000000000000LL);
  // All disk copies are older than recorded: only the version may keep them.
  for (const char* name : {"same.dll", "higher.dll", "lower.dll"})
    EngineFixture::WriteFile(fx_.DiskFile(name), image, EngineFixture::Day(5));

  manager_->PrepareUpdate(nullptr);
  EXPECT_TRUE(sameVersion->Needed());
  EXPECT_FALSE(higherOnDisk->Needed());
  EXPECT_TRUE(lowerOnDisk->Needed());
}

TEST_F(DecisionTest, InstalledFileWithoutVersionFailsThePreparation) {
  auto* item = new TVersionValue(manager_.get(), "plain.dll");
  item->SetInstalTarget("Disk");
  EngineFixture::WriteFile(fx_.DiskFile("plain.dll"), "not a program", EngineFixture::Day(5));
  EXPECT_THROW(manager_->PrepareUpdate(nullptr), Exception);
}

// Sizes past 2 GB: DestSize records them as the low 32 bits, and the sum is 64-bit.
TEST_F(DecisionTest, TotalsOfThreeAndFiveGigabytes) {
  constexpr int64_t kGiB = int64_t{1} << 30;
  Datum("three.bin", EngineFixture::Day(10), static_cast<int32_t>(static_cast<uint32_t>(3 * kGiB)));
  EXPECT_EQ(manager_->PrepareUpdate(nullptr), 3 * kGiB);
  Datum("two.bin", EngineFixture::Day(10), static_cast<int32_t>(static_cast<uint32_t>(2 * kGiB)));
  EXPECT_EQ(manager_->PrepareUpdate(nullptr), 5 * kGiB);
}

// The build records a file of 3 GB through the low 32 bits and refuses one of 5 GB, which
// DestSize cannot hold.
TEST_F(DecisionTest, RecordedSizeOfFilesPastTwoAndFourGigabytes) {
  constexpr int64_t kGiB = int64_t{1} << 30;
  TDatumValue* item = Datum("big.bin", 0);
  EXPECT_THROW(item->RecordDestSize(fx_.MediumPath() + "big.bin", 5 * kGiB), Exception);
  item->RecordDestSize(fx_.MediumPath() + "big.bin", 3 * kGiB);
  EXPECT_EQ(item->DestBytes(), 3 * kGiB);
}

TEST_F(DecisionTest, GroupCountsWithItsOwnSizeWhenAnyMemberIsNeeded) {
  auto* group = new TFileGroup(manager_.get(), "g.grp");
  group->SetDestSize(500);
  auto* member = new TDatumValue(group, "member.txt");
  member->SetInstalTarget("Disk");
  member->SetDestSize(7);
  EXPECT_EQ(manager_->PrepareUpdate(nullptr), 500);
  EXPECT_FALSE(group->Needed());
  EXPECT_TRUE(group->IsNeeded());
}

TEST_F(DecisionTest, FindItemAndCheckListSeeGroupMembers) {
  auto* group = new TFileGroup(manager_.get(), "g.grp");
  new TDatumValue(group, "Lib\\Member.txt");
  EXPECT_EQ(manager_->FindItem("LIB\\MEMBER.TXT"), group->Child(0));
  TStringList names;
  names.Add("g.grp");
  names.Add("lib\\member.txt");
  EXPECT_NO_THROW(manager_->CheckList(names));
  names.Add("absent.txt");
  EXPECT_EQ(MessageOf([&] { manager_->CheckList(names); }),
            "TFilesManager.CheckList: Item \"absent.txt\" does not exist");
}

// A name held twice marks the first in child order (a member counts before a later item);
// unmarked items go, a kept group's members are all marked, other children stay.
TEST_F(DecisionTest, KeepListedMarksTheFirstMatchAndDropsTheRest) {
  auto* group = new TFileGroup(manager_.get(), "g.grp");
  auto* member = new TDatumValue(group, "shared.txt");
  auto* sibling = new TDatumValue(group, "other.txt");
  new TDatumValue(manager_.get(), "SHARED.TXT");  // the name marks the member instead
  new TDatumValue(manager_.get(), "dropped.txt");
  auto* kept = new TDatumValue(manager_.get(), "Kept.txt");
  auto* notAnItem = new TComponentList(manager_.get());
  TStringList names;
  names.Add("shared.txt");
  names.Add("kept.TXT");
  names.Add("not listed anywhere.txt");
  manager_->KeepListed(names);
  ASSERT_EQ(manager_->ChildCount(), 3);
  EXPECT_EQ(manager_->Child(0), group);
  EXPECT_EQ(manager_->Child(1), kept);
  EXPECT_EQ(manager_->Child(2), notAnItem);
  EXPECT_TRUE(member->Needed());
  EXPECT_TRUE(sibling->Needed());
  EXPECT_FALSE(group->Needed());
  EXPECT_EQ(manager_->FindItem("shared.txt"), member);
}

TEST_F(DecisionTest, AskedDestinationBecomesATarget) {
  manager_->RunData().SetAskPathName("Course");
  manager_->RunData().SetAskPathNameDescr("\"EN=Where?\"");
  std::string asked;
  HookGuard ask(OnAskDestination(),
                [&](const std::string& prompt, const TDestinationCheck&, std::string& path) {
                  asked = prompt;
                  path = "D:\\Courses\\";
                });
  manager_->PrepareUpdate(nullptr);
  EXPECT_EQ(asked, "\"EN=Where?\"");
  EXPECT_EQ(manager_->Targets().Values("Course"), "D:\\Courses\\");
}

TEST_F(DecisionTest, AskedDestinationNameThatLeavesTheCardFolderIsRefused) {
  bool asked = false;
  HookGuard ask(OnAskDestination(),
                [&](const std::string&, const TDestinationCheck&, std::string& path) {
                  asked = true;
                  path = "D:\\Courses\\";
                });
  for (const char* name : {"..\\..\\x", "C:\\x", "Course=D:\\x"}) {
    manager_->RunData().SetAskPathName(name);
    EXPECT_THROW(manager_->PrepareUpdate(nullptr), EViolationError) << name;
  }
  EXPECT_FALSE(asked);
  EXPECT_EQ(manager_->Targets().Count(), 1);
}

TEST(FileNames, FourNamesOfAnItem) {
  EngineFixture fx;
  auto manager = fx.NewFilesManager();
  auto* item = new TDatumValue(manager.get(), "a.exe=bin\\b.exe");
  item->SetInstalTarget("Disk");
  EXPECT_EQ(item->SourceName(), "a.exe");
  EXPECT_EQ(item->GetFileName(kFileTarget), fx.DiskPath() + "bin\\b.exe");
  std::string medium = fx.MediumPath() + "bin/b.ex_";
  for (char& c : medium)
    if (c == '\\') c = '/';
  EXPECT_EQ(item->GetFileName(kFileMediumSource), medium);
  item->SetInstalTarget("BasicPrgPath");
  EXPECT_EQ(item->GetFileName(kFileTarget), fx.MediumPath() + "bin\\b.exe");
  item->SetInstalTarget("Unknown");  // never the current folder
  EXPECT_EQ(MessageOf([&] { item->GetFileName(kFileTarget); }),
            "TFileItem.GetFileName: The target \"Unknown\" of \"a.exe=bin\\b.exe\" has no folder");
}

TEST(FileNames, NamesThatEscapeTheirFolderAreRefused) {
  EngineFixture fx;
  auto manager = fx.NewFilesManager();
  for (const char* path : {"..\\evil.txt", "C:\\evil.txt", "\\evil.txt", "a\\..\\..\\evil.txt"}) {
    auto* item = new TDatumValue(manager.get(), path);
    item->SetInstalTarget("Disk");
    EXPECT_THROW(item->GetFileName(kFileTarget), EViolationError) << path;
    EXPECT_THROW(item->GetFileName(kFileMediumSource), EViolationError) << path;
  }
}

}  // namespace
}  // namespace cd::test
