// The console cdrun removing what it installed from the example medium: two applications that
// share the viewer are installed, removed one after the other, and the drive map and its
// registry end as they were before the first install, apart from the file the user changed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/temp_dir.h"
#include "tool_run.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

class UninstallTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const ToolRun build = BuildExample(Shared().Path());
    ASSERT_EQ(build.status, 0) << build.output;
  }

  static TempDir& Shared() {
    static TempDir dir;
    return dir;
  }

  void SetUp() override {
    const char* previous = std::getenv("CDRUN_ROOT");
    previousRoot_ = previous ? previous : "";
    setenv("CDRUN_ROOT", drives_.string().c_str(), 1);
  }

  void TearDown() override { setenv("CDRUN_ROOT", previousRoot_.c_str(), 1); }

  ToolRun Cdrun(const std::string& switches) {
    const fs::path config = Shared().Path() / "example-medium/run.cfg";
    const fs::path log = dir_.Path() / ("cdrun" + std::to_string(++runs_) + ".log");
    return RunTool(CD_CDRUN, "\"" + config.string() + "\" " + switches, log, "/dev/null");
  }

  // The output of the last run once the viewer it started has written its line.
  std::string WaitForViewer() const {
    const fs::path log = dir_.Path() / ("cdrun" + std::to_string(runs_) + ".log");
    for (int i = 0; i < 200 && ReadHost(log).find("Demo viewer:") == std::string::npos; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return ReadHost(log);
  }

  std::string Registry() const { return ReadHost(drives_ / "drive_c/windows/cdrun-registry.reg"); }

  TempDir dir_;
  const fs::path drives_ = dir_.Path() / "drives";
  const fs::path vok_ = drives_ / "drive_c/windows/Vok";
  const std::string all_ = kAllComponents;
  std::string previousRoot_;
  int runs_ = 0;
};

TEST_F(UninstallTest, TwoApplicationsSharingTheViewerAreRemovedOneAfterTheOther) {
  // A dry run mounts the medium's and the program's folders as drives, and changes nothing.
  ASSERT_EQ(Cdrun("--dry-run --very-silent --app=1 " + all_).status, 0);
  const auto before = Listing(drives_);
  ASSERT_EQ(Cdrun("--very-silent --app=1 " + all_).status, 0);
  WaitForViewer();
  ASSERT_EQ(Cdrun("--very-silent --app=2 " + all_).status, 0);
  WaitForViewer();
  EXPECT_TRUE(fs::exists(vok_ / "English_A7/InstallRecord.otx"));
  EXPECT_TRUE(fs::exists(vok_ / "German_A8/cdrun.exe"));
  const std::string key =
      "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
  EXPECT_NE(Registry().find(key + "German_A8]\n\"DisplayName\"=\"German for Beginners\""),
            std::string::npos)
      << Registry();
  EXPECT_NE(Registry().find(
                "\"UninstallString\"=\"\\\"C:\\\\WINDOWS\\\\Vok\\\\English_A7\\\\cdrun.exe\\\" "
                "/UNINSTALL=\\\"English_A7\\\"\""),
            std::string::npos)
      << Registry();
  const fs::path changed = drives_ / "drive_c/VokData/Courses/German/lesson1.txt";
  std::ofstream(changed, std::ios::app) << "my notes\n";

  const ToolRun list = Cdrun("--uninstall");
  EXPECT_EQ(list.output, "English_A7\tEnglish for Beginners\nGerman_A8\tGerman for Beginners\n");
  const auto installed = Listing(drives_);
  const ToolRun dry = Cdrun("--uninstall=English_A7 --dry-run");
  EXPECT_EQ(dry.status, 0) << dry.output;
  EXPECT_NE(
      dry.output.find(
          "keep the file another application uses: C:\\WINDOWS\\Vok\\Viewer\\demo_viewer.exe"),
      std::string::npos)
      << dry.output;
  EXPECT_EQ(Listing(drives_), installed);

  const fs::path log = dir_.Path() / "remove.log";
  const ToolRun first =
      Cdrun("--uninstall=English_A7 --very-silent --log=\"" + log.string() + "\"");
  ASSERT_EQ(first.status, 0) << first.output;
  EXPECT_FALSE(fs::exists(vok_ / "English_A7"));
  EXPECT_TRUE(fs::exists(vok_ / "Viewer/demo_viewer.exe"));
  EXPECT_EQ(Registry().find("English_A7"), std::string::npos) << Registry();
  EXPECT_NE(ReadHost(log).find(" remove action=\"keep the file another application uses\""),
            std::string::npos)
      << ReadHost(log);
  EXPECT_NE(ReadHost(log).find(" end outcome=\"done\" exit_code=0 "), std::string::npos);
  ASSERT_EQ(Cdrun("--very-silent --app=2 " + all_).status, 0);
  EXPECT_NE(WaitForViewer().find("Demo viewer: started with the course data \"German_A8\""),
            std::string::npos);

  const ToolRun second = Cdrun("--uninstall=German_A8 --silent");
  ASSERT_EQ(second.status, 0) << second.output;
  EXPECT_NE(second.output.find("were kept:\nc:\\VokData\\Courses\\German\\lesson1.txt"),
            std::string::npos)
      << second.output;
  ASSERT_TRUE(fs::exists(changed));
  fs::remove(changed);
  for (fs::path folder = changed.parent_path();
       folder != drives_ / "drive_c" && fs::is_empty(folder); folder = folder.parent_path())
    fs::remove(folder);
  EXPECT_EQ(Listing(drives_), before);
  EXPECT_EQ(Cdrun("--uninstall=German_A8 --very-silent").status, 1);
}

}  // namespace
}  // namespace cd::test
