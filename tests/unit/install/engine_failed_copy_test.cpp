// An update run in which one file in the middle cannot be written: what the earlier and later
// files become, what the blocked target keeps, and how the failure surfaces.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "engine_fixture.h"
#include "install/datum_value.h"
#include "platform/files.h"
#include "support/message_of.h"

#ifndef _WIN32
#include "support/file_size_limit.h"
#endif

namespace cd::test {
namespace {

// Every entry below a host folder as a relative name with "/", sorted; a temporary file left
// beside a target shows up here.
std::vector<std::string> Entries(const std::filesystem::path& hostDir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(hostDir))
    names.push_back(entry.path().lexically_relative(hostDir).generic_string());
  std::sort(names.begin(), names.end());
  return names;
}

// What keeps the second file of the run from being written.
enum class Obstacle {
  TargetInUse,     // the old file is held open by another user
  FolderAtTarget,  // a folder stands where the file must go
  FileAtFolder,    // the target's folder name is taken by a regular file
  ReadOnlyTarget,  // the old file is marked read-only
  NoRoomLeft,      // the disk fills up while the new file is copied
};

const char* Name(Obstacle obstacle) {
  switch (obstacle) {
    case Obstacle::TargetInUse:
      return "TargetInUse";
    case Obstacle::FolderAtTarget:
      return "FolderAtTarget";
    case Obstacle::FileAtFolder:
      return "FileAtFolder";
    case Obstacle::ReadOnlyTarget:
      return "ReadOnlyTarget";
    case Obstacle::NoRoomLeft:
      return "NoRoomLeft";
  }
  return "Unknown";
}
void PrintTo(Obstacle obstacle, std::ostream* out) {
  *out << Name(obstacle);
}

class FailedCopyTest : public ::testing::TestWithParam<Obstacle> {
 protected:
  void SetUp() override {
    Datum("a.txt", "first file");
    blocked_ = Datum(BlockedPath(), "the second file");
    Datum("c.txt", "third file");
    switch (GetParam()) {
      case Obstacle::TargetInUse:
      case Obstacle::NoRoomLeft:
        EngineFixture::WriteFile(fx_.DiskFile("b.txt"), "old", EngineFixture::Day(1));
        break;
      case Obstacle::FolderAtTarget:
        EngineFixture::WriteFile(fx_.DiskFile("b.txt/inside.txt"), "kept", EngineFixture::Day(1));
        break;
      case Obstacle::FileAtFolder:
        EngineFixture::WriteFile(fx_.DiskFile("sub"), "kept", EngineFixture::Day(1));
        break;
      case Obstacle::ReadOnlyTarget:
        EngineFixture::WriteFile(fx_.DiskFile("b.txt"), "old", EngineFixture::Day(1));
        SetWritable(false);
        break;
    }
    manager_->PrepareUpdate(&callback_);
    ASSERT_TRUE(blocked_->Needed());
    if (GetParam() == Obstacle::TargetInUse)
      inUse_ = os::OpenFile(BlockedTarget(), os::OpenMode::Read, os::ShareMode::DenyWrite);
#ifndef _WIN32
    // Room for the first and third files (10 bytes each), not for the second (15).
    if (GetParam() == Obstacle::NoRoomLeft) limit_ = std::make_unique<FileSizeLimit>(12);
#endif
    // The end action shows whether the run got that far.
    manager_->SetMediaPlayerInstalled(true);
    manager_->SetRunTitle("Course");
  }

  void TearDown() override {
    if (GetParam() == Obstacle::ReadOnlyTarget) SetWritable(true);
#ifndef _WIN32
    limit_.reset();
#endif
  }

  void SetWritable(bool writable) {
    using std::filesystem::perms;
    std::filesystem::permissions(fx_.DiskFile("b.txt"),
                                 writable
                                     ? perms::owner_read | perms::owner_write
                                     : perms::owner_read | perms::group_read | perms::others_read);
  }

  std::string BlockedPath() const {
    return GetParam() == Obstacle::FileAtFolder ? "sub\\b.txt" : "b.txt";
  }
  std::string BlockedTarget() const { return fx_.DiskPath() + BlockedPath(); }

  TDatumValue* Datum(const std::string& path, const std::string& data) {
    return fx_.AddMediumDatum(manager_.get(), path, data, path);
  }

  void ExpectInstalled(const std::string& name, const std::string& data) {
    EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile(name)), data) << name;
    EXPECT_EQ(os::FileAge(fx_.DiskPath() + name), EngineFixture::Day(15)) << name;
  }

  // The blocked target is as it was before the run, and no temporary file lies beside it.
  void ExpectBlockedUntouched(std::vector<std::string> others) {
    inUse_.reset();
#ifndef _WIN32
    limit_.reset();
#endif
    std::vector<std::string> expected = std::move(others);
    switch (GetParam()) {
      case Obstacle::TargetInUse:
      case Obstacle::ReadOnlyTarget:
      case Obstacle::NoRoomLeft:
        EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("b.txt")), "old");
        EXPECT_EQ(os::FileAge(BlockedTarget()), EngineFixture::Day(1));
        expected.push_back("b.txt");
        break;
      case Obstacle::FolderAtTarget:
        EXPECT_TRUE(std::filesystem::is_directory(fx_.DiskFile("b.txt")));
        EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("b.txt/inside.txt")), "kept");
        expected.push_back("b.txt");
        expected.push_back("b.txt/inside.txt");
        break;
      case Obstacle::FileAtFolder:
        EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("sub")), "kept");
        expected.push_back("sub");
        break;
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(std::filesystem::path(fx_.DiskFile("a.txt")).parent_path()), expected);
  }

  bool CopyPassEnded() const {
    return std::any_of(callback_.reports.begin(), callback_.reports.end(),
                       [](const ProgressReport& r) { return r.code == kProgressCopyDone; });
  }

  EngineFixture fx_;
  std::unique_ptr<TFilesManager> manager_ = fx_.NewFilesManager();
  RecordingCallback callback_;
  TDatumValue* blocked_ = nullptr;
  std::unique_ptr<os::File> inUse_;
#ifndef _WIN32
  std::unique_ptr<FileSizeLimit> limit_;
#endif
};

TEST_P(FailedCopyTest, EndsTheRunNamingTheTargetAndKeepsWhatWasThere) {
  // The target's full name, then the cause the system gave.
  const std::string message = MessageOf<EViolationError>([&] { manager_->Update(&callback_); });
  const size_t end = message.find('\n');
  EXPECT_EQ(message.substr(0, end), BlockedTarget());
  ASSERT_NE(end, std::string::npos);
  const std::string cause = message.substr(end + 1);
  if (GetParam() == Obstacle::TargetInUse) {
    EXPECT_EQ(cause, os::kFileInUse);
  } else if (GetParam() == Obstacle::ReadOnlyTarget) {
    EXPECT_EQ(cause, os::kFileReadOnly);
  }
  EXPECT_EQ(cause.find(BlockedTarget()), std::string::npos) << cause;
  EXPECT_FALSE(cause.empty());
  ExpectInstalled("a.txt", "first file");
  EXPECT_FALSE(std::filesystem::exists(fx_.DiskFile("c.txt")));
  ExpectBlockedUntouched({"a.txt"});
  // The run ended inside the copy pass: neither its end report nor the end action came.
  EXPECT_FALSE(CopyPassEnded());
  EXPECT_TRUE(callback_.restartTitles.empty());
}

TEST_P(FailedCopyTest, IgnoredFailureLetsTheLaterFilesIn) {
  blocked_->SetIgnoreUserInstallError(true);
  manager_->Update(&callback_);
  ExpectInstalled("a.txt", "first file");
  ExpectInstalled("c.txt", "third file");
  ExpectBlockedUntouched({"a.txt", "c.txt"});
  EXPECT_TRUE(CopyPassEnded());
  EXPECT_EQ(callback_.restartTitles, std::vector<std::string>{"Course"});
}

INSTANTIATE_TEST_SUITE_P(Obstacles, FailedCopyTest,
                         ::testing::Values(Obstacle::TargetInUse, Obstacle::FolderAtTarget,
                                           Obstacle::FileAtFolder, Obstacle::ReadOnlyTarget
#ifndef _WIN32
                                           ,
                                           Obstacle::NoRoomLeft
#endif
                                           ),
                         [](const ::testing::TestParamInfo<Obstacle>& info) {
                           return std::string(Name(info.param));
                         });

}  // namespace
}  // namespace cd::test
