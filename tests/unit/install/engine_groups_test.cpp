// Group files (built and installed), file list expansion, and the library card merge.
#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "config/string_list.h"
#include "engine_fixture.h"
#include "install/component_list.h"
#include "install/datum_value.h"
#include "install/file_group.h"
#include "install/file_list.h"
#include "install/file_list_append.h"
#include "install/file_list_manager.h"
#include "install/hooks.h"
#include "install/install_classes.h"
#include "install/install_manager_link.h"
#include "install/libman_info_value.h"
#include "library/book_card.h"
#include "library/library_classes.h"
#include "streams/memory_stream.h"
#include "support/hook_guard.h"
#include "support/message_of.h"

namespace cd::test {
namespace {

class GroupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterInstallClasses();
    RegisterLibraryClasses();
  }
  // Builds a group of members onto the medium from sources in the disk fixture's folder.
  TFileGroup* BuildGroup(TFileFlags groupFlags, TFileFlags lastMemberFlags = 0) {
    BuildRoot root(build_.DiskPath() + "src\\", build_.MediumPath());
    auto* files = new TFilesManager(&root);
    auto* group = new TFileGroup(files, "cards.grp");
    group->SetFlags(groupFlags);
    for (const char* name : {"one.txt", "two.txt"}) {
      auto* member = new TDatumValue(group, name);
      member->SetInstalTarget("Disk");
      if (std::string(name) == "two.txt") member->SetFlags(lastMemberFlags);
      EngineFixture::WriteFile(build_.DiskFile(std::string("src/") + name),
                               std::string(700, name[1]), EngineFixture::Day(3));
    }
    files->StoreAllFileInfo();
    files->PackAll();
    EXPECT_EQ(root.steps, 2);  // one step before each item, in both build steps
    return HandOver(*group, *install_);
  }

  EngineFixture build_;
  std::unique_ptr<TFilesManager> install_ = build_.NewFilesManager("target\\");

  RecordingCallback callback_;
};

TEST_F(GroupTest, PackedGroupInstallsEveryMember) {
  TFileGroup* group = BuildGroup(0);
  EXPECT_GT(group->DestSize(), 0);
  EXPECT_LT(group->DestSize(), 1400);  // packed: both members together take 1400 bytes
  install_->PrepareUpdate(&callback_);
  EXPECT_TRUE(group->IsNeeded());
  install_->Update(&callback_);
  EXPECT_EQ(EngineFixture::ReadFile(build_.DiskFile("target/one.txt")), std::string(700, 'n'));
  EXPECT_EQ(EngineFixture::ReadFile(build_.DiskFile("target/two.txt")), std::string(700, 'w'));
}

TEST_F(GroupTest, UnpackedGroupIsReadTheSameWay) {
  TFileGroup* group = BuildGroup(SetBit(fg_GroupNotCompress));
  EXPECT_GT(group->DestSize(), 1400);
  install_->PrepareUpdate(&callback_);
  install_->Update(&callback_);
  EXPECT_EQ(EngineFixture::ReadFile(build_.DiskFile("target/two.txt")), std::string(700, 'w'));
}

TEST_F(GroupTest, DamagedGroupIsReportedThenEndsTheRun) {
  auto* group = new TFileGroup(install_.get(), "bad.grp");
  new TDatumValue(group, "x.txt");
  group->SetNeeded(true);
  EngineFixture::WriteFile(build_.MediumFile("bad.grp"), "TPF0\x09TFileGroup", 0);
  std::vector<std::string> shown;
  HookGuard show(OnShowMessage(), [&](const std::string& text) { shown.push_back(text); });
  EXPECT_THROW(install_->Update(&callback_), EAbort);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].rfind("Cannot install group file \"bad.grp\": ", 0), 0u);
}

TEST_F(GroupTest, MemberThatExistsWithErrorIfExistsStopsTheRun) {
  BuildGroup(0, SetBit(fg_ErrorIfExists));
  EngineFixture::WriteFile(build_.DiskFile("target/two.txt"), "user's", EngineFixture::Day(1));
  std::vector<std::string> shown;
  HookGuard show(OnShowMessage(), [&](const std::string& text) { shown.push_back(text); });
  install_->PrepareUpdate(&callback_);
  EXPECT_THROW(install_->Update(&callback_), EAbort);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "File \"" + build_.DiskPath() +
                          "target\\two.txt\" on your hard disk already "
                          "exists. To complete the installation, delete it first!");
  EXPECT_EQ(EngineFixture::ReadFile(build_.DiskFile("target/two.txt")), "user's");
}

class FileListTest : public ::testing::Test {
 protected:
  TFileList* List(const std::string& name, std::initializer_list<const char*> lines) {
    auto* list = new TFileList(&manager_);
    list->SetName(name);
    for (const char* line : lines) list->Files().Add(line);
    return list;
  }
  std::string Expand(TFileList& list) {
    TStringList names;
    names.SetSorted(true);
    Append(list, list.Files(), names);
    return names.CommaText();
  }
  TFileListManager manager_{nullptr};
};

TEST_F(FileListTest, ReferencesExpandInPlaceAndDuplicatesCollapse) {
  TFileList* a = List("A", {"b.txt", "@B", "a.txt"});
  List("B", {"c.txt", "A.TXT"});
  // The first spelling of a name stays; the list is sorted without regard to case.
  EXPECT_EQ(Expand(*a), "A.TXT,b.txt,c.txt");
}

TEST_F(FileListTest, CircularReferencesFailInsteadOfRecursing) {
  TFileList* self = List("Self", {"@self"});
  TFileList* a = List("A", {"@B"});
  List("B", {"@C"});
  List("C", {"@B"});
  EXPECT_EQ(MessageOf([&] { Expand(*self); }), "TFileList.Append: Circular reference in \"Self\"");
  EXPECT_EQ(MessageOf([&] { Expand(*a); }), "TFileList.Append: Circular reference in \"A\"");
}

TEST_F(FileListTest, MissingListIsNamed) {
  TFileList* a = List("A", {"@Nowhere"});
  EXPECT_EQ(MessageOf([&] { Expand(*a); }),
            "TFileList.Append: Item \"@Nowhere\" in \"A\" does not exist");
}

TEST(CardMerge, KeepsTheUsersSettingsAndTakesTheRestFromTheMedium) {
  RegisterLibraryClasses();
  EngineFixture fx;
  auto manager = fx.NewFilesManager();
  manager->Targets().Add("Course1=E:\\Courses\\One\\");
  auto* card = new TLibmanInfoValue(manager.get(), "card.a01");
  card->SetInstalTarget("Disk");
  card->SetTime(EngineFixture::Day(20));

  TBookCard old(nullptr);
  old.SetLanguage("CZ");
  old.SetLastLanguages("CZ,EN");
  old.SetPars("user=1");
  old.SetMediumId("old");
  EngineFixture::WriteFile(fx.DiskFile("card.a01"), ObjectToString(&old), EngineFixture::Day(1));

  TBookCard delivered(nullptr);
  delivered.SetLanguage("EN");
  delivered.SetMediumId("Course1");
  TMemoryStream data(ObjectToString(&delivered));
  card->InstallData(data);

  std::unique_ptr<TComponent> merged =
      StringToObject(EngineFixture::ReadFile(fx.DiskFile("card.a01")));
  auto* result = dynamic_cast<TBookCard*>(merged.get());
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->Language(), "CZ");
  EXPECT_EQ(result->LastLanguages(), "CZ,EN");
  EXPECT_EQ(result->Pars(), "user=1");
  EXPECT_EQ(result->MediumId(), "E:\\Courses\\One\\");
}

TEST(CardMerge, UnreadableCardIsInstalledAsAPlainFile) {
  RegisterLibraryClasses();
  EngineFixture fx;
  auto manager = fx.NewFilesManager();
  auto* card = new TLibmanInfoValue(manager.get(), "card.a02");
  card->SetInstalTarget("Disk");
  TMemoryStream data(std::string("not object text"));
  card->InstallData(data);
  EXPECT_EQ(EngineFixture::ReadFile(fx.DiskFile("card.a02")), "not object text");
}

}  // namespace
}  // namespace cd::test
