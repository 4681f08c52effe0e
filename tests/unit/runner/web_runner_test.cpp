// The run sequence with its configuration on a web server: loading from the address, the
// window threshold of a web configuration, the install from there, and a local run that never
// touches the URL library.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/exceptions.h"
#include "fake_views.h"
#include "install/files_manager.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "runner/all_classes.h"
#include "runner/runner.h"
#include "support/http_server.h"
#include "support/message_of.h"
#include "support/temp_dir.h"
#include "support/url_library_probe.h"

namespace cd {
namespace {

// One application and one file of the given size, installed under the Windows "Vok" folder.
std::string Config(const std::string& fileName, int destSize) {
  return "object FilesManager: TFilesManager\n"
         "  Viewers = <\n"
         "    item\n"
         "      Exe = 'none.exe'\n"
         "      DataName = 'A_A1'\n"
         "    end>\n"
         "  object TDatumValue\n"
         "    Path = 'WebRunnerTest\\" +
         fileName +
         "'\n"
         "    DestSize = " +
         std::to_string(destSize) +
         "\n"
         "    Time = 1345282048\n"
         "  end\n"
         "end\n";
}

class WebRunnerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterAllClasses(); }
  void TearDown() override {
    for (const char* name : {"a.dat", "b.dat"})
      if (os::FileExists(Installed(name))) os::DeleteFile(Installed(name));
  }

  // Puts run.cfg and the file it lists on the served medium; returns the configuration's address.
  std::string Medium(const std::string& fileName, int destSize) {
    std::filesystem::create_directories(served_.Path() / "cd" / "WebRunnerTest");
    std::ofstream(served_.Path() / "cd" / "run.cfg", std::ios::binary)
        << Config(fileName, destSize);
    std::ofstream(served_.Path() / "cd" / "WebRunnerTest" / fileName, std::ios::binary)
        << std::string(destSize, 'w');
    return server_.Url("cd/run.cfg");
  }

  static std::string Installed(const std::string& fileName) {
    return TFilesManager::GetDirectory(kDirWindowsVok) + "WebRunnerTest\\" + fileName;
  }

  std::unique_ptr<TRunner> MakeRunner() {
    TRunnerViews views;
    views.progress = [this] { return std::make_unique<test::FakeProgressView>(shown_); };
    views.choice = [this] {
      return std::make_unique<test::FakeChoiceView>(0, choices_, choiceCalls_);
    };
    views.showError = [this](const std::exception& e) { errors_.push_back(e.what()); };
    return std::make_unique<TRunner>(std::move(views));
  }

  test::TempDir served_;
  test::HttpServer server_{served_.Path()};
  test::ProgressRecord shown_;
  std::vector<std::string> choices_;
  int choiceCalls_ = 0;
  std::vector<std::string> errors_;
};

TEST_F(WebRunnerTest, UpToFiveThousandBytesFromTheWebRunWithoutTheWindow) {
  auto runner = MakeRunner();
  runner->Run(Medium("a.dat", 5000));
  EXPECT_EQ(shown_.modalRuns, 0);
  EXPECT_EQ(os::ReadWholeFile(Installed("a.dat")), std::string(5000, 'w'));

  runner->LoadFilesManager();
  EXPECT_FALSE(runner->Local());
  EXPECT_EQ(runner->FilesManager()->PrgPath(), server_.Url("cd/"));
  runner->CallBack().GetTotals()->SetTotal(5000);
  EXPECT_FALSE(runner->NeedsWindow());
  runner->CallBack().GetTotals()->SetTotal(5001);
  EXPECT_TRUE(runner->NeedsWindow());
}

TEST_F(WebRunnerTest, OneByteMoreRunsInTheWindow) {
  auto runner = MakeRunner();
  std::string address = Medium("b.dat", 5001);
  address.replace(0, 4, "HTTP");
  runner->Run(address);
  EXPECT_EQ(shown_.modalRuns, 1);
  EXPECT_TRUE(errors_.empty()) << errors_.front();
  EXPECT_EQ(os::ReadWholeFile(Installed("b.dat")), std::string(5001, 'w'));
}

TEST_F(WebRunnerTest, MissingConfigurationNamesTheAddressOnce) {
  auto runner = MakeRunner();
  const std::string address = server_.Url("cd/none.cfg");
  EXPECT_EQ(test::MessageOf([&] { runner->Run(address); }), "Cannot load Url \"" + address + "\"");
  EXPECT_EQ(choiceCalls_, 0);
}

// A whole run from a local configuration leaves the URL library alone.
TEST(WebRunnerLocal, LocalRunNeverLoadsTheUrlLibrary) {
  const std::string self = "WebRunnerLocal.LocalRunNeverLoadsTheUrlLibrary";
  if (!test::RunAsChild(self)) {
    EXPECT_EQ(test::RunThisTestProgram(self), 0);
    return;
  }
  RegisterAllClasses();
  test::TempDir dir;
  std::ofstream(dir.File("run.cfg"), std::ios::binary) << Config("local.dat", 10);
  std::vector<std::string> choices;
  int calls = 0;
  test::ProgressRecord shown;
  TRunnerViews views;
  views.progress = [&] { return std::make_unique<test::FakeProgressView>(shown); };
  views.choice = [&] { return std::make_unique<test::FakeChoiceView>(0, choices, calls); };
  TRunner runner(std::move(views));
  // The listed file is missing from the local medium: the run loads, prepares and fails when
  // it copies.
  const std::string message =
      test::MessageOf([&] { runner.Run(os::WindowsPath(dir.File("run.cfg"))); });
  EXPECT_NE(message.find("local.dat"), std::string::npos) << message;
  EXPECT_FALSE(test::UrlLibraryInProcess());
}

}  // namespace
}  // namespace cd
