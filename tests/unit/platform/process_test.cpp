#include "platform/process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/files.h"
#include "platform/messages.h"
#include "unit/platform/helpers.h"
#include "unit/platform/win_temp.h"

namespace cd::os {
namespace {

using test::ChildProgram;
using test::WinTempDir;

// A Windows path that the child can write to: the child gets its arguments untranslated, so
// on POSIX it needs the host name.
std::string ChildWritable(const WinTempDir& t, const std::string& name) {
#ifdef _WIN32
  return t.Name(name);
#else
  return t.Host().File(name);
#endif
}

TEST(Process, ReturnsTheExitCode) {
  EXPECT_EQ(RunProcessAndWait(ChildProgram() + " exit 7", nullptr), 7u);
  EXPECT_EQ(RunProcessAndWait("\"" + ChildProgram() + "\" exit 0", nullptr), 0u);
}

TEST(Process, ArgumentsArriveAsTheRuntimeSplitsThem) {
  WinTempDir t;
  const std::string out = ChildWritable(t, "args.txt");
  ASSERT_EQ(
      RunProcessAndWait(
          ChildProgram() + " write \"" + out + "\" \"a b\" c\\\"d e\\\\f \"g\\\\\"  \"\"", nullptr),
      0u);
  EXPECT_EQ(ReadWholeFile(t.Name("args.txt")), "a b|c\"d|e\\\\f|g\\|");
}

TEST(Process, TicksAndHandlesMessagesWhileWaiting) {
  int ticks = 0;
  bool taskRan = false;
  PostTask([&taskRan] { taskRan = true; });
  EXPECT_EQ(RunProcessAndWait(ChildProgram() + " sleep 450", [&ticks] { ++ticks; }), 3u);
  EXPECT_GE(ticks, 3);
  EXPECT_LE(ticks, 30);
  EXPECT_TRUE(taskRan);
}

TEST(Process, FailureToCreateGivesTheGeneralFailureCode) {
  WinTempDir t;
  std::string error;
  const std::string missing = t.Name("missing.exe");
  EXPECT_EQ(RunProcessAndWait(missing + " -regserver", nullptr, &error), kProcessCreationFailed);
  EXPECT_NE(error.find(missing), std::string::npos) << error;
  EXPECT_FALSE(StartProcess(missing, 5, &error));
  EXPECT_NE(error.find(missing), std::string::npos) << error;
}

TEST(Process, UnquotedNamesWithBlanksAndMissingExeExtension) {
  WinTempDir t;
  std::filesystem::create_directories(t.Host().Path() / "dir with blank");
  std::filesystem::copy_file(HostPath(ChildProgram()),
                             t.Host().Path() / "dir with blank" / "prog.exe");
  EXPECT_EQ(RunProcessAndWait(t.Name("dir with blank\\prog.exe exit 4"), nullptr), 4u);
  EXPECT_EQ(RunProcessAndWait(t.Name("dir with blank\\prog exit 5"), nullptr), 5u);
}

TEST(Process, StartedProcessesRunOnTheirOwn) {
  WinTempDir t;
  const std::string out = ChildWritable(t, "started.txt");
  ASSERT_TRUE(StartProcess(ChildProgram() + " write \"" + out + "\" started"));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (FileSize(t.Name("started.txt")) < 7 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(ReadWholeFile(t.Name("started.txt")), "started");
}

#ifndef _WIN32
TEST(Process, WindowsProgramsCannotStartOnPosix) {
  WinTempDir t;
  WriteWholeFile(t.Name("win.exe"), std::string("MZ\x90\x00 not for this system", 23));
  std::filesystem::permissions(t.Host().File("win.exe"), std::filesystem::perms::owner_all);
  std::string error;
  EXPECT_EQ(RunProcessAndWait(t.Name("win.exe"), nullptr, &error), kProcessCreationFailed);
  EXPECT_NE(error.find("Windows program"), std::string::npos) << error;
}
#endif

}  // namespace
}  // namespace cd::os
