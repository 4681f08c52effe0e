// Registration in the update run: libraries that register themselves and programs started
// with "-regserver", installed from the medium and registered once every file is copied.
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
#include "install/packed_name.h"
#include "install/registration_value.h"
#include "install/version_value.h"
#include "platform/files.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"
#include "support/message_of.h"
#include "unit/platform/helpers.h"
#include "util/format.h"

namespace cd::test {
namespace {

class RegistrationTest : public ::testing::Test {
 protected:
  // A file item whose file lies packed on the medium, as a built distribution carries it.
  template <class Item>
  Item* Add(const std::string& path, const std::string& data) {
    auto* item = new Item(manager_.get(), path);
    item->SetInstalTarget("Disk");
    item->SetTime(EngineFixture::Day(15));
    TMemoryStream in(data), packed;
    PackStream(in, packed);
    item->SetDestSize(static_cast<int32_t>(packed.Data().size()));
    std::string hostName = PackedName(path);
    std::replace(hostName.begin(), hostName.end(), '\\', '/');
    EngineFixture::WriteFile(fx_.MediumFile(hostName), packed.Data(), 0);
    return item;
  }

  // One of the self-registering test libraries ("ok", "fail", "none") as a library item.
  TVersionValue* Library(const std::string& path, const std::string& kind) {
    auto* item = Add<TVersionValue>(path, os::ReadWholeFile(RegisterLibrary(kind)));
    item->SetRegisterDLL(true);
    return item;
  }

  EngineFixture fx_;
  std::unique_ptr<TFilesManager> manager_ = fx_.NewFilesManager();
  RecordingCallback callback_;
};

struct LibraryCase {
  const char* kind;
  const char* failure;  // the run's message with the library's name; nullptr for success
};
void PrintTo(const LibraryCase& c, std::ostream* out) {
  *out << c.kind;
}

class LibraryRegistrationTest : public RegistrationTest,
                                public ::testing::WithParamInterface<LibraryCase> {};

// The library comes first; the file after it is still copied before the library registers,
// so a registration failure leaves a complete copy and only skips the end action.
TEST_P(LibraryRegistrationTest, RegistersAfterTheCopyPass) {
  const LibraryCase& c = GetParam();
  Library("lib\\server.dll", c.kind);
  Add<TDatumValue>("after.txt", "copied before any registration");
  manager_->SetMediaPlayerInstalled(true);
  manager_->SetRunTitle("Course");
  manager_->PrepareUpdate(&callback_);

  const std::string target = fx_.DiskPath() + "lib\\server.dll";
  if (c.failure) {
    // A failed copy would say the target's name and a cause instead.
    EXPECT_EQ(MessageOf([&] { manager_->Update(&callback_); }), Format(c.failure, {target}));
    EXPECT_TRUE(callback_.restartTitles.empty());
  } else {
    manager_->Update(&callback_);
    EXPECT_EQ(callback_.restartTitles, std::vector<std::string>{"Course"});
  }
  // The library was unpacked from the medium into a loadable copy of the helper.
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("lib/server.dll")),
            os::ReadWholeFile(RegisterLibrary(c.kind)));
  EXPECT_EQ(os::FileAge(target), EngineFixture::Day(15));
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("after.txt")), "copied before any registration");
  ASSERT_FALSE(callback_.reports.empty());
  EXPECT_EQ(callback_.reports.back().code, kProgressCopyDone);
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, LibraryRegistrationTest,
    ::testing::Values(
        LibraryCase{"ok", nullptr},
        LibraryCase{"fail", "Error in DllRegisterServer function call (\"%s\" library)"},
        LibraryCase{"none", "Cannot find DllRegisterServer function in \"%s\" library"}),
    [](const ::testing::TestParamInfo<LibraryCase>& info) { return std::string(info.param.kind); });

TEST_F(RegistrationTest, UpToDateLibraryIsNotRegisteredAgain) {
  // Installed before and not needed now: its failing entry is never called.
  TVersionValue* item = Library("server.dll", "fail");
  EngineFixture::WriteFile(fx_.DiskFile("server.dll"), os::ReadWholeFile(RegisterLibrary("fail")),
                           EngineFixture::Day(20));
  item->SetNeeded(false);
  manager_->Update(&callback_);
  EXPECT_EQ(os::FileAge(fx_.DiskPath() + "server.dll"), EngineFixture::Day(20));
}

TEST_F(RegistrationTest, FailedCopyEndsTheRunBeforeAnyRegistration) {
  Library("server.dll", "fail");
  Add<TDatumValue>("blocked.txt", "cannot be written");
  // A folder where the second file must go.
  std::filesystem::create_directories(fx_.DiskFile("blocked.txt/inside"));
  manager_->PrepareUpdate(&callback_);
  const std::string message = MessageOf<EViolationError>([&] { manager_->Update(&callback_); });
  EXPECT_EQ(message.substr(0, message.find('\n')), fx_.DiskPath() + "blocked.txt");
  EXPECT_TRUE(os::FileExists(fx_.DiskPath() + "server.dll"));
}

// A registration program is run with "-regserver" whatever RegisterDLL says: the child helper
// is no library (registering it as one would fail) and ends with 99, which is not examined.
TEST_F(RegistrationTest, RegistrationProgramIsRunNotLoaded) {
  auto* program = Add<TRegistrationValue>("bin\\server.exe", os::ReadWholeFile(ChildProgram()));
  program->SetRegisterDLL(true);
  manager_->SetMediaPlayerInstalled(true);
  manager_->SetRunTitle("Course");
  manager_->PrepareUpdate(&callback_);
  manager_->Update(&callback_);
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("bin/server.exe")),
            os::ReadWholeFile(ChildProgram()));
  EXPECT_EQ(callback_.restartTitles, std::vector<std::string>{"Course"});
}

#ifndef _WIN32
// A shell script stands in for a registration program: it records its arguments and whether
// the last file of the run is already there, after a pause that the run must wait out.
TEST_F(RegistrationTest, RegistrationProgramGetsItsArgumentAfterTheCopiesAndIsWaitedFor) {
  const std::string record = fx_.DiskFile("record.txt");
  const std::string later = fx_.DiskFile("later.txt");
  Add<TRegistrationValue>("bin\\server.exe", "#!/bin/sh\nsleep 0.3\nif [ -f '" + later +
                                                 "' ]; then l=yes; else l=no; fi\n"
                                                 "printf '%s later=%s' \"$*\" \"$l\" > '" +
                                                 record + "'\n");
  // A program that cannot be started does not stop the run either.
  Add<TRegistrationValue>("bin\\broken.exe", "not a program\n");
  Add<TDatumValue>("later.txt", "last file");
  manager_->PrepareUpdate(&callback_);
  manager_->Update(&callback_);
  ASSERT_TRUE(std::filesystem::exists(record));
  EXPECT_EQ(EngineFixture::ReadFile(record), "-regserver later=yes");
}

// The program lies in a folder whose name has a blank, and a program named like the first
// word of its path stands beside that folder: only the registration program is started.
TEST_F(RegistrationTest, RegistrationProgramInAFolderWithABlankIsStartedByItsWholeName) {
  const std::string record = fx_.DiskFile("record.txt");
  const std::string recorder = "#!/bin/sh\nprintf '%s %s;' \"$0\" \"$*\" >> '" + record + "'\n";
  Add<TRegistrationValue>("bin dir\\server.exe", recorder);
  Add<TDatumValue>("bin.exe", recorder);
  manager_->PrepareUpdate(&callback_);
  manager_->Update(&callback_);
  ASSERT_TRUE(std::filesystem::exists(record));
  const std::string calls = EngineFixture::ReadFile(record);
  EXPECT_NE(calls.find("server.exe -regserver;"), std::string::npos) << calls;
  EXPECT_EQ(calls.find("bin.exe"), std::string::npos) << calls;
}
#endif

}  // namespace
}  // namespace cd::test
