// The console cdrun stopped in the middle of copying a large file, by SIGINT or SIGTERM (which
// it answers) and by SIGKILL (which it cannot): the installed file stays as it was, and the next
// run completes it and leaves no temporary file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_dir.h"
#include "tool_run.h"

extern char** environ;

namespace cd::test {
namespace {

namespace fs = std::filesystem;

constexpr uintmax_t kSize = 128u << 20;
// Marks at the start, in the middle and at the end of an otherwise sparse file.
constexpr uintmax_t kMarkAt[] = {0, kSize / 2, kSize - 8};

class InterruptedRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* previous = std::getenv("CDRUN_ROOT");
    previousRoot_ = previous ? previous : "";
    setenv("CDRUN_ROOT", (dir_.Path() / "drives").string().c_str(), 1);
    fs::create_directories(dir_.Path() / "medium");
    {
      std::ofstream source(dir_.Path() / "medium/big.dat", std::ios::binary);
      for (uintmax_t at : kMarkAt)
        source.seekp(static_cast<std::streamoff>(at)) << "mark" << at % 1000;
    }
    fs::resize_file(dir_.Path() / "medium/big.dat", kSize);
    std::ofstream(config_, std::ios::binary) << "object FilesManager: TFilesManager\n"
                                                "  object TDatumValue\n"
                                                "    Path = 'big.dat'\n"
                                                "    DestSize = "
                                             << kSize
                                             << "\n"
                                                "    Time = 1344430080\n"  // 2 January 2020
                                                "  end\n"
                                                "end\n";
  }

  void TearDown() override { setenv("CDRUN_ROOT", previousRoot_.c_str(), 1); }

  fs::path Target() const { return dir_.Path() / "drives/drive_c/windows/Vok/big.dat"; }

  // Names of the temporary files beside the target.
  std::vector<std::string> TemporaryFiles() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(Target().parent_path(), ec))
      if (entry.path().filename().string().find(".~") != std::string::npos)
        names.push_back(entry.path().filename().string());
    return names;
  }

  pid_t StartCdrun() {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const std::string log = (dir_.Path() / "cdrun.log").string();
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::string program = CD_CDRUN, config = config_.string();
    char* argv[] = {program.data(), config.data(), nullptr};
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
  }

  // Waits until the copy has begun (a temporary file beside the target has grown), then stops
  // the process there, so that the signal that follows comes in the middle of the copy.
  bool StopInTheMiddle(pid_t pid) {
    for (int i = 0; i < 20000; ++i) {
      const std::vector<std::string> temporary = TemporaryFiles();
      std::error_code ec;
      if (temporary.size() == 1 &&
          fs::file_size(Target().parent_path() / temporary[0], ec) >= (1u << 20)) {
        kill(pid, SIGSTOP);
        int status = 0;
        waitpid(pid, &status, WUNTRACED);
        return WIFSTOPPED(status) && TemporaryFiles().size() == 1;
      }
      int status = 0;
      if (waitpid(pid, &status, WNOHANG) == pid) return false;  // it ended first
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }

  static int WaitFor(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
  }

  void ExpectCompletedByTheNextRun() {
    const ToolRun again =
        RunTool(CD_CDRUN, "\"" + config_.string() + "\"", dir_.Path() / "again.log");
    ASSERT_EQ(again.status, 0) << again.output;
    ASSERT_EQ(fs::file_size(Target()), kSize);
    std::ifstream target(Target(), std::ios::binary);
    for (uintmax_t at : kMarkAt) {
      std::string mark(4, '\0');
      target.seekg(static_cast<std::streamoff>(at)).read(mark.data(), 4);
      EXPECT_EQ(mark, "mark") << at;
    }
    EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
  }

  TempDir dir_;
  const fs::path config_ = dir_.Path() / "medium/run.cfg";
  std::string previousRoot_;
};

class AnsweredSignalTest : public InterruptedRunTest, public ::testing::WithParamInterface<int> {};

TEST_P(AnsweredSignalTest, RemovesTheUnfinishedCopyAndEndsTheRunAsCancelled) {
  fs::create_directories(Target().parent_path());
  std::ofstream(Target(), std::ios::binary) << "old version";
  const utimbuf inTheYear2019{1546300800, 1546300800};
  utime(Target().c_str(), &inTheYear2019);
  const pid_t pid = StartCdrun();
  ASSERT_TRUE(StopInTheMiddle(pid));
  kill(pid, GetParam());
  kill(pid, SIGCONT);
  const int status = WaitFor(pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_EQ(ReadHost(Target()), "old version");
  EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
  ExpectCompletedByTheNextRun();
}

INSTANTIATE_TEST_SUITE_P(Signals, AnsweredSignalTest, ::testing::Values(SIGINT, SIGTERM),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(info.param == SIGINT ? "SIGINT" : "SIGTERM");
                         });

TEST_F(InterruptedRunTest, AfterSigkillTheNextRunCompletesTheFileAndRemovesTheLeftover) {
  const pid_t pid = StartCdrun();
  ASSERT_TRUE(StopInTheMiddle(pid));
  kill(pid, SIGKILL);
  EXPECT_TRUE(WIFSIGNALED(WaitFor(pid)));
  EXPECT_FALSE(fs::exists(Target()));
  EXPECT_EQ(TemporaryFiles().size(), 1u);
  ExpectCompletedByTheNextRun();
}

}  // namespace
}  // namespace cd::test
