// The run sequence over real configurations in a temporary folder: loading, the choice, the
// title, translation, the window decision and where failures end up.
#include "runner/runner.h"

#include <gtest/gtest.h>

#include <fstream>

#include "base/exceptions.h"
#include "fake_views.h"
#include "install/files_manager.h"
#include "install/hooks.h"
#include "platform/drive_map.h"
#include "runner/all_classes.h"
#include "runner/application.h"
#include "runner/quiet_progress_view.h"
#include "runner/update_plan.h"
#include "support/message_of.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

constexpr const char* kTwoViewers =
    "object FilesManager: TFilesManager\n"
    "  Viewers = <\n"
    "    item\n"
    "      Exe = 'a.exe'\n"
    "      DataName = 'A_A1'\n"
    "      Descr = 'First'\n"
    "    end\n"
    "    item\n"
    "      Exe = 'b.exe'\n"
    "      DataName = 'B_A2'\n"
    "      Descr = '\"CZ=Druh\xFD\",\"EN=Second\"'\n"
    "    end>\n"
    "  RunData.InstallLang = 'EN'\n"
    "%s"
    "end\n";

// One needed file whose source is missing from the medium.
constexpr const char* kMissingSource =
    "  object TDatumValue\n"
    "    Path = 'missing.dat'\n"
    "    DestSize = 10\n"
    "  end\n";

class RunnerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterAllClasses(); }

  // Writes run.cfg from kTwoViewers with extra lines; returns its drive path.
  std::string WriteConfig(const std::string& options, const std::string& items = "") {
    std::string text = kTwoViewers;
    text.replace(text.find("%s"), 2, options + items);
    std::ofstream(dir_.File("run.cfg"), std::ios::binary) << text;
    return os::WindowsPath(dir_.File("run.cfg"));
  }

  std::unique_ptr<TRunner> MakeRunner(int choice) {
    TRunnerViews views;
    views.progress = [this] { return std::make_unique<test::FakeProgressView>(shown_); };
    views.choice = [this, choice] {
      return std::make_unique<test::FakeChoiceView>(choice, choices_, choiceCalls_);
    };
    views.showError = [this](const std::exception& e) { errors_.push_back(e.what()); };
    return std::make_unique<TRunner>(std::move(views));
  }

  test::TempDir dir_;
  test::ProgressRecord shown_;
  std::vector<std::string> choices_;
  int choiceCalls_ = 0;
  std::vector<std::string> errors_;
};

TEST_F(RunnerTest, LoadingChoosesTheApplicationOnceAndSetsTheTitle) {
  auto runner = MakeRunner(1);
  runner->Run(WriteConfig(""));
  EXPECT_EQ(choiceCalls_, 1);
  EXPECT_EQ(ApplicationTitle(), "Second (Setup)");
  EXPECT_EQ(runner->CallBack().Title(), "Second (Setup)");
  EXPECT_EQ(MessageTitle(), "Second (Setup)");
  EXPECT_EQ(runner->FilesManager(), nullptr);  // freed at the end of the run

  runner->LoadFilesManager();
  runner->LoadFilesManager();
  EXPECT_EQ(choiceCalls_, 2);  // reloading after the run asks again, a loaded one does not
  EXPECT_EQ(runner->FilesManager()->RunCommand(), "b.exe B_A2");
  EXPECT_EQ(runner->FilesManager()->RunTitle(), "\"CZ=Druh\xFD\",\"EN=Second\"");
  EXPECT_EQ(choices_[1], "Second");  // shown in the installation language
  EXPECT_EQ(runner->Translate("\"CZ=Celkem\",\"EN=Total\""), "Total");
}

TEST_F(RunnerTest, RunStoresTheConfigurationNameAndResetsTheTotals) {
  auto runner = MakeRunner(0);
  const std::string name = WriteConfig("");
  runner->CallBack().GetTotals()->SetDone(77);
  runner->Run(name);
  EXPECT_EQ(CurrentConfigName(), name);
  EXPECT_EQ(runner->ConfigName(), name);
  EXPECT_EQ(runner->CallBack().GetTotals()->Done, 0);
  EXPECT_EQ(shown_.modalRuns, 0);  // nothing to copy: no window
}

TEST_F(RunnerTest, WindowThresholdOfALocalConfiguration) {
  auto runner = MakeRunner(0);
  runner->Run(WriteConfig(""));
  runner->LoadFilesManager();
  EXPECT_TRUE(runner->Local());
  runner->CallBack().GetTotals()->SetTotal(500000);
  EXPECT_FALSE(runner->NeedsWindow());
  runner->CallBack().GetTotals()->SetTotal(500001);
  EXPECT_TRUE(runner->NeedsWindow());
}

TEST_F(RunnerTest, DirectXAlwaysShowsTheWindow) {
  auto runner = MakeRunner(0);
  runner->Run(WriteConfig("  RunData.Options = [ro_InstallDirectX]\n"));
  EXPECT_EQ(shown_.modalRuns, 1);
  EXPECT_EQ(shown_.messageLog.front(), "Updating files ...");
  EXPECT_TRUE(errors_.empty());
  EXPECT_FALSE(runner->UpdateFailedInWindow());
}

TEST_F(RunnerTest, CancelInTheChoiceIsTheSilentAbort) {
  auto runner = MakeRunner(-1);
  EXPECT_THROW(runner->Run(WriteConfig("")), EAbort);
  EXPECT_EQ(shown_.modalRuns, 0);
}

TEST_F(RunnerTest, FailureInsideTheWindowIsShownThereAndEndsTheRunNormally) {
  auto runner = MakeRunner(0);
  runner->Run(WriteConfig("  RunData.Options = [ro_InstallDirectX]\n", kMissingSource));
  EXPECT_EQ(shown_.modalRuns, 1);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_NE(errors_[0].find("missing.dat"), std::string::npos) << errors_[0];
  EXPECT_EQ(runner->FilesManager(), nullptr);
  EXPECT_TRUE(runner->UpdateFailedInWindow());
}

TEST_F(RunnerTest, FailureWithoutTheWindowPassesOn) {
  auto runner = MakeRunner(0);
  EXPECT_THROW(runner->Run(WriteConfig("", kMissingSource)), Exception);
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(shown_.modalRuns, 0);
}

// The dry run decides as usual and shows the plan instead of updating: the missing source is
// never opened, so the run does not fail.
TEST_F(RunnerTest, DryRunShowsThePlanInsteadOfTheUpdate) {
  auto runner = MakeRunner(0);
  std::vector<std::string> plan;
  runner->SetMode({"2", true, true, [&](const TUpdatePlan& p) { plan = p.Lines(); }, ""});
  runner->Run(WriteConfig("", kMissingSource));
  EXPECT_EQ(choiceCalls_, 0);
  EXPECT_EQ(shown_.modalRuns, 0);
  const std::string target = TFilesManager::GetDirectory(kDirWindowsVok) + "missing.dat";
  EXPECT_EQ(plan,
            (std::vector<std::string>{
                "Dry run: nothing is changed; the update would do this:",
                "  copy                                     " + target +
                    " (10 bytes): missing on disk (or held open by another program)",
                "Total: 1 steps, 10 bytes to copy",
                "Would start: " + TFilesManager::GetDirectory(kDirWindowsVok) + "b.exe B_A2"}));
}

// A very silent run shows no window however large the update, and the restart notice of a
// quiet view goes to its notice, never to a box.
TEST_F(RunnerTest, QuietViewsShowNothingOrOnlyTheProgress) {
  for (const bool shown : {false, true}) {
    test::ProgressRecord record;
    std::vector<std::string> notices;
    TRunnerViews views;
    views.progress = [&] {
      return std::make_unique<TQuietProgressView>(
          shown ? std::make_unique<test::FakeProgressView>(record) : nullptr,
          [&](const std::string& title, const std::string& text) {
            notices.push_back(title + "|" + text);
          });
    };
    TRunner runner(std::move(views));
    runner.SetMode({std::nullopt, true, false, {}, ""});
    runner.Run(WriteConfig("  RunData.Options = [ro_InstallDirectX]\n"));
    EXPECT_EQ(record.modalRuns, shown ? 1 : 0);
    EXPECT_EQ(record.messageLog.empty(), !shown);
    runner.CallBack().ShowRestartMessage("Course");
    EXPECT_EQ(notices.size(), 1u);
    EXPECT_TRUE(record.notices.empty());
  }
}

TEST_F(RunnerTest, ANameThatIsNeitherDrivePathNorUrlFailsAtLoading) {
  auto runner = MakeRunner(0);
  EXPECT_EQ(test::MessageOf([&] { runner->Run("run.cfg"); }),
            "FileSrc.CreateStream: Cannot create stream (\"run.cfg\")");
  EXPECT_THROW(runner->Local(), Exception);
}

}  // namespace
}  // namespace cd
