// Library cards and application entries of a medium: the player's own instance and ordinary
// instances, language fallbacks, the card file names and the order of the entries.
#include "library/book_card.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/exceptions.h"
#include "config/collection.h"
#include "description_fixture.h"
#include "install/files_manager.h"
#include "install/viewer_item.h"
#include "media/run_cdrom.h"
#include "media/run_data.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "platform/files.h"
#include "support/message_of.h"

namespace cd {
namespace {

class BookCardTest : public ::testing::Test, public test::DescriptionFixture {
 protected:
  BookCardTest() {
    viewer_ = AddViewer("Pagent");
    viewer_->SetProgId("pgt2.Pagenter");
    viewer_->SetExePath("Player\\play.exe");
    viewer_->SetLangsTxt("CZ=Cesky\r\nEN=English\r\n");
    viewer_->SetLang("CZ");
    viewer_->SetLangs("CZ,EN");
    viewer_->SetShortDescr("Player");
    course_ = AddData(viewer_, "Course", "\"EN=Course for beginners\"");
    course_->SetPath("Data\\Course\\");
    player_ = AddData(viewer_, "PlayerData", "\"EN=The player\"");
  }

  // The languages file of the player's own instance: data\disk\VokMnger\Langs.txt on the
  // drive of the source folder.
  std::string LangsFile() {
    return Manager().SourcePrgPath().substr(0, 3) + "data\\disk\\VokMnger\\Langs.txt";
  }

  TRunViewer* viewer_;
  TRunData* course_;
  TRunData* player_;
};

TEST_F(BookCardTest, OrdinaryInstanceCardDescribesTitleMediumAndViewer) {
  TRunDataInstance* instance = AddInstance(course_, 7);
  instance->SetLang("EN");
  instance->SetLangs("EN,DE");
  TRunCDRom* medium = AddMedium("COURSE1", "Course disc", {7});
  std::string fileName;
  std::unique_ptr<TBookCard> card = medium->CreateBookCard(0, fileName);
  EXPECT_EQ(fileName, "_Editpla.a07");
  EXPECT_EQ(card->Owner(), nullptr);
  EXPECT_EQ(card->Name(), "Course_A7");
  EXPECT_EQ(card->Description(), "Course disc");
  EXPECT_EQ(card->TitleDescr(), "\"EN=Course for beginners\"");
  EXPECT_EQ(card->TitleName(), "Course");
  EXPECT_EQ(card->Viewer(), "pgt2.Pagenter");
  EXPECT_EQ(card->MediumId(), "COURSE1");
  EXPECT_EQ(card->MediumPath(), "Data\\Course\\");
  EXPECT_EQ(card->ViewerName(), "Player");
  EXPECT_EQ(card->Language(), "EN");
  EXPECT_EQ(card->LastLanguages(), "EN,DE");
  EXPECT_FALSE(os::FileExists(LangsFile()));
}

TEST_F(BookCardTest, InstanceWithoutLanguagesTakesTheViewers) {
  AddInstance(course_, 7);
  std::string fileName;
  auto card = AddMedium("COURSE1", "Disc", {7})->CreateBookCard(0, fileName);
  EXPECT_EQ(card->Language(), "CZ");
  EXPECT_EQ(card->LastLanguages(), "CZ,EN");
}

TEST_F(BookCardTest, PlayerInstanceCardWritesTheLanguagesFile) {
  AddInstance(player_, 5);
  TRunCDRom* medium = AddMedium("COURSE1", "Course disc", {5});
  medium->SetPgtLangsTxt("EN=English\r\n");
  medium->SetPgtLang("EN");
  medium->SetPgtLangs("EN,CZ");
  std::string fileName;
  std::unique_ptr<TBookCard> card = medium->CreateBookCard(0, fileName);
  EXPECT_EQ(fileName, "_Editpla.a05");
  EXPECT_EQ(card->Name(), "PlayerData");
  EXPECT_EQ(card->Language(), "EN");
  EXPECT_EQ(card->LastLanguages(), "EN,CZ");
  EXPECT_EQ(card->ViewerName(), "Player");
  EXPECT_EQ(card->TitleDescr(), "\"EN=The player\"");
  EXPECT_EQ(card->TitleName(), "PlayerData");
  // The player's card names no medium, viewer or description.
  EXPECT_EQ(card->MediumId(), "");
  EXPECT_EQ(card->Viewer(), "");
  EXPECT_EQ(card->Description(), "");
  EXPECT_EQ(os::ReadWholeFile(LangsFile()), "EN=English\r\n");
  os::DeleteFile(LangsFile());
}

TEST_F(BookCardTest, RelativeSourceFolderPutsTheLanguagesFileOnTheCurrentFoldersDrive) {
  const std::string langsFile = LangsFile();
  const std::filesystem::path root = std::filesystem::path(HostFile("src")).parent_path();
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(root);
  Manager().sourcePrgPath = "src\\";
  AddInstance(player_, 5);
  std::string fileName;
  AddMedium("COURSE1", "Disc", {5})->CreateBookCard(0, fileName);
  std::filesystem::current_path(previous);
  EXPECT_EQ(os::ReadWholeFile(langsFile), "CZ=Cesky\r\nEN=English\r\n");
  EXPECT_FALSE(std::filesystem::exists(root / "srcdata"));
  os::DeleteFile(langsFile);
}

TEST_F(BookCardTest, PlayerInstanceFallsBackToTheViewer) {
  AddInstance(player_, 5);
  std::string fileName;
  auto card = AddMedium("COURSE1", "Disc", {5})->CreateBookCard(0, fileName);
  EXPECT_EQ(card->Language(), "CZ");
  EXPECT_EQ(card->LastLanguages(), "CZ,EN");
  EXPECT_EQ(os::ReadWholeFile(LangsFile()), "CZ=Cesky\r\nEN=English\r\n");
  os::DeleteFile(LangsFile());
}

TEST_F(BookCardTest, PlayerInstanceWithoutLanguagesTextFails) {
  viewer_->SetLangsTxt("");
  AddInstance(player_, 5);
  TRunCDRom* medium = AddMedium("COURSE1", "Disc", {5});
  std::string fileName;
  EXPECT_EQ(test::MessageOf([&] { medium->CreateBookCard(0, fileName); }),
            "TRunCDRom.CreateBookCard: Missing LangsTxt at Pagent");
  EXPECT_FALSE(os::FileExists(LangsFile()));
}

TEST_F(BookCardTest, CardFileNamesHaveAtLeastTwoDigits) {
  for (int id : {3, 12, 123}) AddInstance(course_, id);
  TRunCDRom* medium = AddMedium("COURSE1", "Disc", {123, 3, 12});
  std::vector<std::string> names;
  for (int i = 0; i < 3; ++i) {
    std::string fileName;
    auto card = medium->CreateBookCard(i, fileName);
    names.push_back(fileName + " " + card->Name());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"_Editpla.a123 Course_A123", "_Editpla.a03 Course_A3",
                                             "_Editpla.a12 Course_A12"}));
}

TEST_F(BookCardTest, ApplicationEntriesForOrdinaryInstancesInMediumOrder) {
  TRunViewer* other = AddViewer("Other");
  other->SetExePath("Other\\other.exe");
  TRunData* german = AddData(other, "German", "\"EN=German\"");
  AddInstance(course_, 3);
  AddInstance(player_, 5);
  AddInstance(german, 12);
  TFilesManager files(nullptr);
  TCollection& entries = files.Viewers();
  static_cast<TViewerItem*>(entries.Add())->SetDataName("Existing");
  AddMedium("COURSE1", "Disc", {12, 5, 3})->AddViewerItems(entries);
  ASSERT_EQ(entries.Count(), 3);
  auto entry = [&](int i) { return static_cast<TViewerItem*>(entries.Items(i)); };
  EXPECT_EQ(entry(0)->DataName(), "Existing");
  EXPECT_EQ(entry(1)->Exe(), "Other\\other.exe");
  EXPECT_EQ(entry(1)->DataName(), "German_A12");
  EXPECT_EQ(entry(1)->Descr(), "\"EN=German\"");
  EXPECT_EQ(entry(2)->Exe(), "Player\\play.exe");
  EXPECT_EQ(entry(2)->DataName(), "Course_A3");
  EXPECT_EQ(entry(2)->Descr(), "\"EN=Course for beginners\"");
}

}  // namespace
}  // namespace cd
