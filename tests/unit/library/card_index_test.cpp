// The card index: which files of the card folder are cards, loading and unloading, lookups by
// name and the language switch's decision.
#include "library/card_index.h"

#include <gtest/gtest.h>

#include "config/config_io.h"
#include "config/server_path.h"
#include "library/context.h"
#include "library/course_library.h"
#include "library/library_classes.h"
#include "library/library_hooks.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/hook_guard.h"
#include "support/message_of.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

class CardIndex : public testing::Test {
 protected:
  void SetUp() override {
    RegisterLibraryClasses();
    os::ForceDirectories(Folder());
  }
  std::string Root() const {
    return os::IncludeTrailingBackslash(os::WindowsPath(dir_.Path().string()));
  }
  std::string Folder() const { return Root() + "VokMnger\\BookCard\\"; }
  void WriteCard(const std::string& file, const std::string& name, const std::string& language = "",
                 const std::string& last = "") {
    TBookCard card(nullptr);
    card.SetName(name);
    card.SetLanguage(language);
    card.SetLastLanguages(last);
    os::WriteWholeFile(Folder() + file, ObjectToString(&card));
  }

  test::TempDir dir_;
  test::HookGuard<TDiscPathSource> discPath_{OnCardIndexDiscPath(), [this] { return Root(); }};
};

TEST_F(CardIndex, CardFilesHaveExtensionsFromAToJCutToFourCharacters) {
  for (const char* file : {"c.j99", "a.a01", "b.B1", "d.K1", "e.abcde", "noextension"})
    os::WriteWholeFile(Folder() + file, "x");
  EXPECT_EQ(TCardIndex::CardFileNames(Folder()),
            (std::vector<std::string>{"a.a01", "b.B1", "c.j99"}));
}

TEST_F(CardIndex, LoadsOnFirstUseFindsByNameInAnyCaseAndUnloads) {
  WriteCard("_Editpla.a01", "English");
  WriteCard("_Editpla.a02", "German");
  TCardIndex index;
  EXPECT_FALSE(index.Loaded());
  EXPECT_EQ(index.GetBookCard("GERMAN").FileName(), Folder() + "_Editpla.a02");
  EXPECT_TRUE(index.Loaded());
  EXPECT_EQ(index.Count(), 2);
  EXPECT_EQ(test::MessageOf([&] { index.GetBookCard("French"); }),
            "TCardIndex.GetBookCard: Cannot find BookCard - French");
  index.SetLoaded(false);
  EXPECT_FALSE(index.Loaded());
  EXPECT_EQ(index.Count(), 2);
}

TEST_F(CardIndex, AFailedLoadLeavesNoCardsBehind) {
  WriteCard("_Editpla.a01", "English");
  os::WriteWholeFile(Folder() + "_Editpla.a02", "not a card");
  TCardIndex index;
  EXPECT_THROW(index.Count(), Exception);
  EXPECT_FALSE(index.Loaded());
  WriteCard("_Editpla.a02", "German");
  EXPECT_EQ(index.Count(), 2);
}

TEST_F(CardIndex, StartLanguageSwitchesOnlyWhenNeeded) {
  struct Case {
    std::string language, last, wanted;
    bool force, switches;
    std::string languageAfter;
  };
  const Case cases[] = {
      {"", "", "EN", false, false, "EN"},      // a first two-character language is taken as it is
      {"", "", "ENG", false, true, "ENG!"},    // a longer one needs the host
      {"CZ", "EN", "EN", false, false, "CZ"},  // asked for last time already
      {"CZ", "EN", "DE", false, true, "DE!"}, {"CZ", "EN", "EN", true, true, "EN!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language + "/" + c.last + " -> " + c.wanted);
    WriteCard("_Editpla.a01", "Title", c.language, c.last);
    TCardIndex index;
    int switches = 0;
    test::HookGuard<TLanguageSwitch> host(
        OnLanguageSwitch(),
        [&](void*, TBookCard& card, const std::string& wanted, std::string& language) {
          ++switches;
          EXPECT_EQ(language, card.Name());
          language = wanted + "!";
        });
    index.StartLanguage(nullptr, c.wanted, "title", c.force, false);
    EXPECT_EQ(switches, c.switches ? 1 : 0);
    const std::unique_ptr<TBookCard> saved = TBookCard::CreateFromFile(Folder() + "_Editpla.a01");
    EXPECT_EQ(saved->Language(), c.languageAfter);
    if (c.languageAfter != c.language) {
      EXPECT_EQ(saved->LastLanguages(), c.wanted);
    }
  }
}

TEST_F(CardIndex, ASignalledSwitchWithoutAHostFailsAndSetsTheEventAgain) {
  WriteCard("_Editpla.a01", "Title", "CZ", "CZ");
  TCardIndex index;
  test::HookGuard<TLanguageSwitch> none(OnLanguageSwitch(), nullptr);
  EXPECT_EQ(test::MessageOf([&] { index.StartLanguage(nullptr, "DE", "Title", false, true); }),
            "TCardIndex.StartLanguage");
  EXPECT_TRUE(os::NamedEvent::Open("1001")->Wait(0));
}

TEST_F(CardIndex, AHandedOutCardOutlivesTheUnloadedIndex) {
  WriteCard("_Editpla.a01", "English", "EN");
  std::shared_ptr<IBookCard> card;
  {
    test::HookGuard<TDiscPathSource> disc(OnCardIndexDiscPath(), [this] { return Root(); });
    GetCardIndex().SetLoaded(false);
    card = GetBookCardIntf("english");
    GetCardIndex().SetLoaded(false);
  }
  EXPECT_EQ(card->GetName(), "English");
  EXPECT_EQ(card->GetLanguage(), "EN");
}

TEST(CourseLibrary, LoadingTheCardIndexMakesTheProcessTheCourseManager) {
  test::HookGuard<TServerPathHook> serverPath(OnServerPath(), TServerPathHook());
  test::HookGuard<TDiscPathSource> discPath(OnCardIndexDiscPath(), TDiscPathSource());
  test::HookGuard<TStartLanguageEntry> entry(StartLanguageEntry(), TStartLanguageEntry());
  InstallCourseLibrary();
  EXPECT_TRUE(StartLanguageEntry());
  EXPECT_EQ(OnCardIndexDiscPath()(), os::ProgramFolder());
  EXPECT_EQ(GetContext().UsageContext(), uc_Manager);
  EXPECT_EQ(ServerPath(), os::ProgramFolder() + "VokMnger\\");
}

}  // namespace
}  // namespace cd
