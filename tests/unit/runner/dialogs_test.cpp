// The application choice and the destination question.
#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "fake_views.h"
#include "install/hooks.h"
#include "runner/ask_medium_id_form.h"
#include "runner/multi_run_form.h"
#include "support/hook_guard.h"
#include "support/message_of.h"
#include "util/lang_string.h"

namespace cd {
namespace {

class MultiRunFormTest : public ::testing::Test {
 protected:
  TMultiRunForm MakeForm(int answer) {
    return TMultiRunForm(std::make_unique<test::FakeChoiceView>(answer, shown_, calls_));
  }
  std::vector<std::string> shown_;
  int calls_ = 0;
};

TEST_F(MultiRunFormTest, EntriesWithoutExeAreNeverOffered) {
  TMultiRunForm form = MakeForm(1);
  TInfoResult info;
  form.AdjustInfo(
      {{"a\\a.exe", "A_A1", "First"}, {"", "B_A2", "Second"}, {"c.exe", "C_A3", "Third"}}, info);
  EXPECT_EQ(shown_, (std::vector<std::string>{"First", "Third", "selected=0"}));
  EXPECT_EQ(info.RunCommand, "c.exe C_A3");
  EXPECT_EQ(info.RunTitle, "Third");
}

TEST_F(MultiRunFormTest, OneEntryIsTakenWithoutADialog) {
  TMultiRunForm form = MakeForm(-1);
  TInfoResult info{"old", "old"};
  form.AdjustInfo({{"", "X", "Hidden"}, {"Player\\play.exe", "", "Only"}}, info);
  EXPECT_EQ(calls_, 0);
  EXPECT_EQ(info.RunCommand, "Player\\play.exe ");  // the blank stays with an empty DataName
  EXPECT_EQ(info.RunTitle, "Only");
}

TEST_F(MultiRunFormTest, NoEntryGivesSoftwareUpdate) {
  TMultiRunForm form = MakeForm(0);
  TInfoResult info{"old", "old"};
  form.AdjustInfo({{"", "X", "No exe"}}, info);
  EXPECT_EQ(calls_, 0);
  EXPECT_EQ(info.RunCommand, "");
  EXPECT_EQ(info.RunTitle, "Software Update");
  EXPECT_TRUE(form.Apps().empty());
}

TEST_F(MultiRunFormTest, CancelIsTheSilentAbort) {
  TMultiRunForm form = MakeForm(-1);
  TInfoResult info;
  EXPECT_THROW(form.AdjustInfo({{"a.exe", "", "A"}, {"b.exe", "", "B"}}, info), EAbort);
}

TEST_F(MultiRunFormTest, AnAnswerOutsideTheListIsTheSilentAbort) {
  TMultiRunForm form = MakeForm(2);
  TInfoResult info;
  EXPECT_THROW(form.AdjustInfo({{"a.exe", "", "A"}, {"b.exe", "", "B"}}, info), EAbort);
}

TEST_F(MultiRunFormTest, EqualDescriptionsAreNotMerged) {
  TMultiRunForm form = MakeForm(1);
  TInfoResult info;
  form.AdjustInfo({{"a.exe", "1", "Same"}, {"b.exe", "2", "Same"}}, info);
  EXPECT_EQ(form.Apps().size(), 2u);
  EXPECT_EQ(info.RunCommand, "b.exe 2");
}

TEST_F(MultiRunFormTest, DescriptionsAreShownTranslatedAndKeptAsWritten) {
  TMultiRunForm form(std::make_unique<test::FakeChoiceView>(0, shown_, calls_),
                     [](const std::string& text) { return "<" + text + ">"; });
  TInfoResult info;
  form.AdjustInfo({{"a.exe", "", "A"}, {"b.exe", "", "B"}}, info);
  EXPECT_EQ(shown_, (std::vector<std::string>{"<A>", "<B>", "selected=0"}));
  EXPECT_EQ(form.Apps(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(info.RunTitle, "A");
}

// The application from the command line: by number among those offered, by description as
// written or shown (any case) or by DataName; without one an unattended choice takes the
// preselected entry. None is ever shown a dialog.
TEST_F(MultiRunFormTest, AnswersFromTheCommandLine) {
  const std::vector<TAppEntry> entries = {
      {"a.exe", "English_A7", "\"CZ=Angli\xE8tina\",\"EN=English\""},
      {"", "X_A1", "Hidden"},
      {"b.exe", "German_A8", "German"}};
  const struct {
    std::optional<std::string> app;
    const char* command;
  } cases[] = {{"1", "a.exe English_A7"},        {"2", "b.exe German_A8"},
               {"GERMAN", "b.exe German_A8"},    {"english", "a.exe English_A7"},
               {"german_a8", "b.exe German_A8"}, {std::nullopt, "a.exe English_A7"}};
  for (const auto& c : cases) {
    TMultiRunForm form(std::make_unique<test::FakeChoiceView>(-1, shown_, calls_),
                       [](const std::string& text) { return LowLangString(text, "EN"); });
    form.SetAnswer(c.app, true);
    TInfoResult info;
    form.AdjustInfo(entries, info);
    EXPECT_EQ(info.RunCommand, c.command) << c.app.value_or("-");
  }
  EXPECT_EQ(calls_, 0);
}

TEST_F(MultiRunFormTest, AnAnswerThatNamesNoEntryListsTheOffered) {
  const std::string listed = "; the applications are 1 \"English\", 2 \"German\"";
  for (const char* app : {"0", "3", "Hidden", "99999999999"}) {
    TMultiRunForm form = MakeForm(0);
    form.SetAnswer(std::string(app), true);
    TInfoResult info;
    EXPECT_EQ(
        test::MessageOf([&] {
          form.AdjustInfo({{"a.exe", "", "English"}, {"", "", "Hidden"}, {"b.exe", "", "German"}},
                          info);
        }),
        std::string("TMultiRunForm.AdjustInfo: Unknown application \"") + app + "\"" + listed);
  }
  TMultiRunForm none = MakeForm(0);
  none.SetAnswer(std::string("1"), true);
  TInfoResult info;
  EXPECT_EQ(test::MessageOf([&] { none.AdjustInfo(std::vector<TAppEntry>{}, info); }),
            "TMultiRunForm.AdjustInfo: Unknown application \"1\"; the configuration offers none");
}

TEST(DestinationTest, UnattendedAnswerIsTheSwitchOrTheInitialText) {
  const struct {
    std::optional<std::string> answer;
    const char* path;
  } cases[] = {
      {"d:\\Kurs", "d:\\Kurs\\"}, {"d:\\Kurs\\", "d:\\Kurs\\"}, {std::nullopt, "c:\\VokData\\"}};
  for (const auto& c : cases) {
    test::HookGuard ask(OnAskDestination(), TAskDestinationHook());
    InstallUnattendedDestination(c.answer);
    std::string path;
    OnAskDestination()(
        "prompt", [](const std::string&) { return std::string(); }, path);
    EXPECT_EQ(path, c.path);
  }
}

TEST(DestinationTest, PathRule) {
  EXPECT_EQ(DestinationPath("d:\\courses"), "d:\\courses\\");
  EXPECT_EQ(DestinationPath("d:\\courses\\"), "d:\\courses\\");
  EXPECT_EQ(DestinationPath(""), "");
  EXPECT_EQ(DestinationPath("d:\\a/"), "d:\\a/\\");
}

TEST(DestinationTest, OkButtonFollowsTheField) {
  EXPECT_TRUE(os::DestinationOkVisible("c"));
  EXPECT_FALSE(os::DestinationOkVisible(""));
}

TEST(DestinationTest, FormShowsPromptTranslatedAndKeepsItsTextBetweenQuestions) {
  test::HookGuard translate(OnTranslate(),
                            [](const std::string& text) { return LowLangString(text, "EN"); });
  std::vector<std::string> seen;
  int call = 0;
  TAskMediumIdForm form(std::make_unique<test::FakeDestinationView>(
      [&](const std::string& prompt, const std::string& text) {
        seen.push_back(prompt + "|" + text);
        return ++call == 1 ? text : std::string("e:\\data");
      }));
  EXPECT_EQ(form.Ask("\"CZ=Kam\",\"EN=Where\"", {}), "c:\\VokData\\");
  EXPECT_EQ(form.Ask("second", {}), "e:\\data\\");
  EXPECT_EQ(form.Ask("third", {}), "e:\\data\\");
  EXPECT_EQ(seen, (std::vector<std::string>{"Where|c:\\VokData", "second|c:\\VokData",
                                            "third|e:\\data"}));
}

TEST(DestinationTest, EmptiedFieldGivesAnEmptyPath) {
  TAskMediumIdForm form(std::make_unique<test::FakeDestinationView>(
      [](const std::string&, const std::string&) { return std::string(); }));
  EXPECT_EQ(form.Ask("p", {}), "");
  EXPECT_EQ(form.PathText(), "");
}

TEST(HooksTest, TranslateTextFallsBackToTheTextWithoutAHook) {
  {
    test::HookGuard none(OnTranslate(), nullptr);
    EXPECT_EQ(TranslateText("\"EN=a\""), "\"EN=a\"");
  }
  test::HookGuard exclaim(OnTranslate(), [](const std::string& t) { return t + "!"; });
  EXPECT_EQ(TranslateText("a"), "a!");
}

}  // namespace
}  // namespace cd
