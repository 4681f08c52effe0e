// The progress protocol of an update: totals, bar range and position, step cycle, messages.
#include "runner/setup_progress.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "fake_views.h"
#include "util/lang_string.h"

namespace cd {
namespace {

class SetupProgressTest : public ::testing::Test {
 protected:
  TSetupProgress MakeProgress(const std::string& lang = "EN") {
    return TSetupProgress(std::make_unique<test::FakeProgressView>(shown_),
                          [lang](const std::string& text) { return LowLangString(text, lang); });
  }
  test::ProgressRecord shown_;
};

TEST_F(SetupProgressTest, TotalsAcrossTwoFiles) {
  TSetupProgress progress = MakeProgress();
  TSetupTotals* totals = progress.GetTotals();
  totals->SetTotal(20000);
  TProgressProc report = progress.GetProgressProc();
  for (int32_t code : {0, 5000, 12000}) report(code, 12000, totals);
  EXPECT_EQ(shown_.copiedText, "Copied: 12000");
  EXPECT_EQ(shown_.totalText, "Total: 20000");
  EXPECT_EQ(shown_.position, 12);
  EXPECT_EQ(shown_.max, 20);

  report(kProgressFileDone, -1, totals);
  EXPECT_EQ(totals->Done, 12000);
  EXPECT_EQ(shown_.copiedText, "Copied: 12000");  // -1 changes no label

  report(3000, 8000, totals);
  EXPECT_EQ(shown_.copiedText, "Copied: 15000");
  EXPECT_EQ(shown_.position, 15);
  EXPECT_EQ(shown_.pumps, 4);  // messages are handled after every byte report
}

TEST_F(SetupProgressTest, RepeatedFileDoneAddsCurrentAgain) {
  TSetupProgress progress = MakeProgress();
  TSetupTotals* totals = progress.GetTotals();
  totals->SetTotal(100000);
  progress.Progress(4000, 4000, totals);
  progress.Progress(kProgressFileDone, -1, totals);
  progress.Progress(kProgressFileDone, -1, totals);
  EXPECT_EQ(totals->Done, 8000);
  EXPECT_EQ(totals->Current, 4000);
}

TEST_F(SetupProgressTest, BarMaximumIsTotalInThousandsTruncated) {
  TSetupProgress progress = MakeProgress();
  TSetupTotals* totals = progress.GetTotals();
  totals->SetTotal(999);
  progress.Progress(500, 999, totals);
  EXPECT_EQ(progress.BarMax(), 0);
  EXPECT_EQ(progress.BarPosition(), 0);
  totals->SetTotal(1999);
  progress.Progress(1500, 1999, totals);
  EXPECT_EQ(progress.BarMax(), 1);
  EXPECT_EQ(progress.BarPosition(), 1);
}

TEST_F(SetupProgressTest, PositionStaysInsideTheRangeWhenMoreIsCopiedThanDeclared) {
  TSetupProgress progress = MakeProgress();
  TSetupTotals* totals = progress.GetTotals();
  totals->SetTotal(3000);
  progress.Progress(7000, 7000, totals);
  EXPECT_EQ(progress.BarPosition(), 3);
  EXPECT_EQ(shown_.copiedText, "Copied: 7000");
}

TEST_F(SetupProgressTest, CopyDoneChangesOnlyTheMessageLine) {
  TSetupProgress progress = MakeProgress();
  TSetupTotals* totals = progress.GetTotals();
  totals->SetTotal(20000);
  progress.Progress(5000, 5000, totals);
  const test::ProgressRecord before = shown_;
  progress.Progress(kProgressCopyDone, kProgressCopyDone, totals);
  EXPECT_EQ(shown_.message, "Run program...");
  EXPECT_EQ(shown_.copiedText, before.copiedText);
  EXPECT_EQ(shown_.position, before.position);
  EXPECT_EQ(totals->Done, 0);
  EXPECT_EQ(totals->Current, 5000);
}

TEST_F(SetupProgressTest, MissingTotalsIsIgnored) {
  TSetupProgress progress = MakeProgress();
  EXPECT_TRUE(progress.Progress(5000, 5000, nullptr));
  EXPECT_TRUE(progress.Progress(kProgressCopyDone, 0, nullptr));
  EXPECT_EQ(shown_.message, "");
  EXPECT_EQ(shown_.pumps, 0);
}

// Updates of 3 and 5 GiB: true labels, a bar that only moves forward, saturated 32-bit fields.
TEST_F(SetupProgressTest, TotalsPastTwoAndFourGigabytes) {
  constexpr int64_t kGiB = int64_t{1} << 30;
  for (const int64_t total : {3 * kGiB, 5 * kGiB}) {
    TSetupProgress progress = MakeProgress();
    TSetupTotals* totals = progress.GetTotals();
    totals->SetTotal(total);
    EXPECT_EQ(totals->Total, INT32_MAX);
    int32_t lastPosition = -1;
    for (const int64_t file : {total - kGiB, kGiB}) {
      progress.Progress(kProgressFileDone, kProgressFileDone, totals);
      for (int64_t at = 0; at <= file; at += file / 4) {
        progress.Progress(at, file, totals);
        EXPECT_GE(progress.BarPosition(), lastPosition) << total << " at " << at;
        lastPosition = progress.BarPosition();
      }
    }
    progress.Progress(kProgressFileDone, kProgressFileDone, totals);
    EXPECT_EQ(totals->DoneBytes, total);
    EXPECT_EQ(totals->Done, INT32_MAX);
    EXPECT_EQ(shown_.totalText, "Total: " + std::to_string(total));
    EXPECT_EQ(shown_.copiedText, "Copied: " + std::to_string(total));
    EXPECT_EQ(progress.BarMax(), total / 1000);
    EXPECT_EQ(progress.BarPosition(), total / 1000);
  }
}

TEST_F(SetupProgressTest, StepCyclesBelowTheMaximum) {
  TSetupProgress progress = MakeProgress();
  progress.SetRange(0, 100);
  TStepProc step = progress.GetStepProc();
  for (int i = 0; i < 99; ++i) step();
  EXPECT_EQ(progress.BarPosition(), 99);
  step();  // 99 + 1 is not below 100
  EXPECT_EQ(progress.BarPosition(), 1);
  step();
  EXPECT_EQ(shown_.position, 2);
}

TEST_F(SetupProgressTest, SetRangeSetsMaximumThenMinimum) {
  TSetupProgress progress = MakeProgress();
  progress.SetRange(10, 50);
  EXPECT_EQ(progress.BarMin(), 10);
  EXPECT_EQ(progress.BarMax(), 50);
  EXPECT_EQ(shown_.position, 10);  // the position is pulled into the new range
}

TEST_F(SetupProgressTest, MessagesAreTranslated) {
  TSetupProgress progress = MakeProgress("CZ");
  progress.SetMessages("\"CZ=Kopíruji\",\"EN=Copying\"", "\"CZ=soubor\",\"EN=file\"");
  EXPECT_EQ(shown_.message, "Kopíruji");
  EXPECT_EQ(shown_.fileName, "soubor");
}

TEST_F(SetupProgressTest, RestartNoticeNamesTheApplication) {
  TSetupProgress progress = MakeProgress();
  progress.SetTitle("Course (Setup)");
  progress.ShowRestartMessage("Course");
  ASSERT_EQ(shown_.notices.size(), 1u);
  EXPECT_EQ(shown_.notices[0],
            "Course (Setup)|Microsoft MediaPlayer was just installed. Before using 'Course', "
            "please restart Windows.");
}

TEST_F(SetupProgressTest, RestartNoticeTranslatesAMultilingualTitle) {
  TSetupProgress progress = MakeProgress("CZ");
  progress.ShowRestartMessage("\"CZ=Kurz\",\"EN=Course\"");
  ASSERT_EQ(shown_.notices.size(), 1u);
  EXPECT_NE(shown_.notices[0].find("spu\x9At\xECn\xEDm 'Kurz' je"), std::string::npos);
}

TEST_F(SetupProgressTest, RestartNoticeInAnUnknownLanguageShowsBothVariants) {
  TSetupProgress progress = MakeProgress("DE");
  progress.ShowRestartMessage("Course");
  ASSERT_EQ(shown_.notices.size(), 1u);
  EXPECT_NE(shown_.notices[0].find("'Course' je"), std::string::npos);
  EXPECT_NE(shown_.notices[0].find("using 'Course',"), std::string::npos);
}

TEST_F(SetupProgressTest, ModalRunShowsUpdatingFirstAndPassesFailuresOn) {
  TSetupProgress progress = MakeProgress();
  bool ran = false;
  progress.RunModal([&] {
    EXPECT_EQ(shown_.message, "Updating files ...");
    ran = true;
  });
  EXPECT_TRUE(ran);
  EXPECT_THROW(progress.RunModal([] { throw Exception("copy failed"); }), Exception);
}

}  // namespace
}  // namespace cd
