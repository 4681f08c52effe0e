// The update run: copies from the medium with progress, the passes, failures and the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <map>
#include <vector>

#include "base/exceptions.h"
#include "engine_fixture.h"
#include "install/datum_value.h"
#include "install/hooks.h"
#include "install/log_event.h"
#include "install/packed_name.h"
#include "install/version_value.h"
#include "platform/files.h"
#include "streams/file_stream.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"
#include "support/hook_guard.h"
#include "support/message_of.h"
#include "support/packed_data.h"

namespace cd::test {
namespace {

std::string Text(size_t size) {
  std::string s;
  for (size_t i = 0; s.size() < size; ++i) s += "line " + std::to_string(i % 97) + " of a course\r\n";
  s.resize(size);
  return s;
}

class UpdateTest : public ::testing::Test {
 protected:
  TDatumValue* Datum(const std::string& path, const std::string& mediumData) {
    return fx_.AddMediumDatum(manager_.get(), path, mediumData, PackedName(path));
  }

  EngineFixture fx_;
  std::unique_ptr<TFilesManager> manager_ = fx_.NewFilesManager();
  RecordingCallback callback_;
};

TEST_F(UpdateTest, CopiesPlainAndPackedFilesWithTheirDates) {
  const std::string big = Text(50000);
  Datum("small.txt", "tiny");
  Datum("lib\\big.dll", Packed(big));
  std::map<std::string, std::string> copied;  // item -> bytes of its copy event
  HookGuard log(OnLogEvent(), [&](const TLogEvent& event) {
    if (event.Name() == "copy") copied[event.Value("item")] = event.Value("bytes");
  });
  manager_->PrepareUpdate(&callback_);
  manager_->Update(&callback_);

  const std::map<std::string, std::string> sizes = {{"small.txt", "4"}, {"lib\\big.dll", "50000"}};
  EXPECT_EQ(copied, sizes);

  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("small.txt")), "tiny");
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("lib/big.dll")), big);
  EXPECT_EQ(os::FileAge(fx_.DiskPath() + "lib\\big.dll"), EngineFixture::Day(15));
  EXPECT_EQ(manager_->Callback(), &callback_);
}

TEST_F(UpdateTest, ProgressReportsFollowTheProtocol) {
  const std::string data = Text(9000);
  Datum("a.txt", data);
  manager_->PrepareUpdate(&callback_);
  manager_->Update(&callback_);

  ASSERT_GE(callback_.reports.size(), 4u);
  EXPECT_EQ(callback_.reports.front().code, -1);
  EXPECT_EQ(callback_.reports.front().size, -1);
  // One report per 2000 bytes read, with the file's size, then the opened-file report.
  int reads = 0;
  for (size_t i = 1; i + 2 < callback_.reports.size(); ++i) {
    EXPECT_EQ(callback_.reports[i].size, 9000);
    ++reads;
  }
  EXPECT_GE(reads, 1);
  const auto& last = callback_.reports.back();
  EXPECT_EQ(last.code, -2);
  EXPECT_EQ(last.size, -2);
  EXPECT_EQ(callback_.totalsSeen, &callback_.totals);
}

// Stored and packed sources alike: within a file the reported position only grows, and the
// file ends with its size on the medium.
TEST_F(UpdateTest, ReportsOfEachFileOnlyMoveForward) {
  const std::string stored = Text(150000);
  const std::string packed = Packed(Text(300000));
  Datum("stored.txt", stored);
  Datum("packed.txt", packed);
  manager_->PrepareUpdate(&callback_);
  manager_->Update(&callback_);
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("packed.txt")), Text(300000));
  std::vector<std::vector<int64_t>> files;
  for (const ProgressReport& report : callback_.reports) {
    if (report.code == kProgressFileDone) files.emplace_back();
    if (report.code >= 0) files.back().push_back(report.code);
  }
  ASSERT_EQ(files.size(), 2u);
  EXPECT_TRUE(std::is_sorted(files[0].begin(), files[0].end()));
  EXPECT_TRUE(std::is_sorted(files[1].begin(), files[1].end()));
  EXPECT_EQ(files[0].back(), static_cast<int64_t>(stored.size()));
  EXPECT_EQ(files[1].back(), static_cast<int64_t>(packed.size()));
}

TEST_F(UpdateTest, NothingNeededStillReportsTheEndOfCopying) {
  TDatumValue* item = Datum("a.txt", "data");
  EngineFixture::WriteFile(fx_.DiskFile("a.txt"), "user's", EngineFixture::Day(20));
  EXPECT_EQ(manager_->PrepareUpdate(&callback_), 0);
  manager_->Update(&callback_);
  EXPECT_FALSE(item->Needed());
  ASSERT_EQ(callback_.reports.size(), 1u);
  EXPECT_EQ(callback_.reports[0].code, -2);
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("a.txt")), "user's");
}

TEST_F(UpdateTest, ExistingTargetWithErrorIfExistsIsAViolation) {
  TDatumValue* item = Datum("a.txt", "new");
  item->SetFlags(SetBit(fg_ErrorIfExists));
  item->SetNeeded(true);
  EngineFixture::WriteFile(fx_.DiskFile("a.txt"), "old", EngineFixture::Day(1));
  const std::string message = MessageOf<EViolationError>([&] { manager_->Update(&callback_); });
  EXPECT_EQ(message.substr(0, message.find('\n')), fx_.DiskPath() + "a.txt");
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("a.txt")), "old");
}

TEST_F(UpdateTest, IgnoredInstallErrorLetsTheRunGoOn) {
  TDatumValue* first = Datum("a.txt", "new");
  first->SetFlags(SetBit(fg_ErrorIfExists));
  first->SetIgnoreUserInstallError(true);
  first->SetNeeded(true);
  TDatumValue* second = Datum("b.txt", "second");
  second->SetNeeded(true);
  EngineFixture::WriteFile(fx_.DiskFile("a.txt"), "old", EngineFixture::Day(1));
  manager_->Update(&callback_);
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("b.txt")), "second");
}

// The run ends with the decoder's error naming the file on the medium, also where install
// errors are ignored; the old target stays and nothing is left beside it.
TEST_F(UpdateTest, DamagedPackedSourceEndsTheRunAndKeepsTheOldFile) {
  std::string damaged = Packed(Text(5000));
  damaged.resize(damaged.size() / 2);
  damaged[10] = static_cast<char>(0xFF);
  TDatumValue* item = Datum("a.txt", damaged);
  item->SetNeeded(true);
  item->SetIgnoreUserInstallError(true);
  EngineFixture::WriteFile(fx_.DiskFile("a.txt"), "old", EngineFixture::Day(1));
  const std::string message = MessageOf<EPKWareError>([&] { manager_->Update(&callback_); });
  EXPECT_NE(message.find(" in \"" + item->GetFileName(kFileMediumSource) + "\""), std::string::npos)
      << message;
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("a.txt")), "old");
  const std::filesystem::path folder = std::filesystem::path(fx_.DiskFile("a.txt")).parent_path();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(UpdateTest, MissingSourceFailsWithoutTouchingTheTarget) {
  auto* item = new TDatumValue(manager_.get(), "absent.txt");
  item->SetInstalTarget("Disk");
  item->SetNeeded(true);
  EXPECT_THROW(manager_->Update(&callback_), Exception);
  EXPECT_FALSE(os::FileExists(fx_.DiskPath() + "absent.txt"));
}

TEST_F(UpdateTest, MediaPlayerInstalledAsksForARestartInsteadOfStarting) {
  manager_->SetMediaPlayerInstalled(true);
  manager_->SetRunTitle("Course");
  manager_->SetRunCommand("viewer.exe");
  manager_->Update(&callback_);
  ASSERT_EQ(callback_.restartTitles.size(), 1u);
  EXPECT_EQ(callback_.restartTitles[0], "Course");
}

TEST_F(UpdateTest, LibraryWithoutRegistrationEntryFails) {
  auto* item = new TVersionValue(manager_.get(), "lib.dll");
  item->SetInstalTarget("Disk");
  item->SetRegisterDLL(true);
  EngineFixture::WriteFile(fx_.DiskFile("lib.dll"), "not a library", 0);
  // Already installed: phase 1 runs for needed items only, so mark it needed by hand.
  item->SetNeeded(true);
  EngineFixture::WriteFile(fx_.MediumFile("lib.dl_"), "not a library", 0);
  EXPECT_EQ(MessageOf([&] { manager_->Update(&callback_); }),
            "Cannot load \"" + fx_.DiskPath() + "lib.dll\" library");
}

}  // namespace
}  // namespace cd::test
