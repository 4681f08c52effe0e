// The console cdrun on the example medium built by cdbuild, as a user runs it: answers given
// line by line on standard input, every installed file checked against the example's sources,
// the demo viewer's own output checked; a second run finds everything up to date; a cancel
// leaves the drives untouched.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "support/temp_dir.h"
#include "tool_run.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kGermanViewerLine = "Demo viewer: started with the course data \"German_A8\"";

class ConsoleRunnerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fs::copy(CD_EXAMPLE_SRC, Shared().Path() / "example-src", fs::copy_options::recursive);
    const ToolRun build = RunTool(
        CD_CDBUILD,
        "\"" + (Shared().Path() / "example-src/install.otx").string() + "\" --medium CDRUN_DEMO",
        Shared().Path() / "cdbuild.log");
    ASSERT_EQ(build.status, 0) << build.output;
  }

  static TempDir& Shared() {
    static TempDir dir;
    return dir;
  }

  static fs::path Sources() { return Shared().Path() / "example-src/prg"; }

  void SetUp() override {
    const char* previous = std::getenv("CDRUN_ROOT");
    previousRoot_ = previous ? previous : "";
    setenv("CDRUN_ROOT", drives_.string().c_str(), 1);
  }

  void TearDown() override { setenv("CDRUN_ROOT", previousRoot_.c_str(), 1); }

  // cdrun on the example medium with the answers as its standard input; on a terminal, the
  // answers are typed into one (script gives it a pseudo-terminal).
  ToolRun Cdrun(const std::string& answers, bool terminal = false) {
    const fs::path input = dir_.Path() / ("answers" + std::to_string(++runs_) + ".txt");
    std::ofstream(input, std::ios::binary) << answers;
    const fs::path config = Shared().Path() / "example-medium/run.cfg";
    const std::string command = "\"" + std::string(CD_CDRUN) + "\" \"" + config.string() + "\"";
    const fs::path log = dir_.Path() / ("cdrun" + std::to_string(runs_) + ".log");
    if (terminal) return RunTool("script", "-qec '" + command + "' /dev/null", log, input);
    return RunTool(CD_CDRUN, "\"" + config.string() + "\"", log, input);
  }

  // The log of the last run once the viewer, which runs on after cdrun, has written its line.
  std::string WaitForViewer() {
    const fs::path log = dir_.Path() / ("cdrun" + std::to_string(runs_) + ".log");
    for (int i = 0; i < 200; ++i) {
      const std::string output = ReadHost(log);
      if (output.find("Demo viewer:") != std::string::npos) return output;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return ReadHost(log);
  }

  TempDir dir_;
  const fs::path drives_ = dir_.Path() / "drives";
  std::string previousRoot_;
  int runs_ = 0;
};

TEST_F(ConsoleRunnerTest, ChosenCourseIsInstalledFileByFileAndItsViewerStarted) {
  const ToolRun run = Cdrun("2\nc:\\Kurs\n");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("2) German for Beginners"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("[c:\\VokData]"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Updating files ..."), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("[##############################]"), std::string::npos);
  EXPECT_NE(WaitForViewer().find(kGermanViewerLine), std::string::npos);

  // The course data went to the destination typed, everything else to the Vok folder of the
  // Windows directory; nothing anywhere else.
  const fs::path data = drives_ / "drive_c/Kurs";
  const fs::path vok = drives_ / "drive_c/windows/Vok";
  EXPECT_EQ(FilesUnder(data),
            (std::set<std::string>{"Courses/English/lesson1.txt", "Courses/English/lesson2.txt",
                                   "Courses/English/recording.dat", "Courses/German/lesson1.txt"}));
  EXPECT_EQ(
      FilesUnder(vok),
      (std::set<std::string>{"Help/about.txt", "Help/index.txt", "Help/keys.txt",
                             "Viewer/demo_viewer.exe", "Viewer/demolib.dll",
                             "VokMnger/Bookcard/_Editpla.a07", "VokMnger/Bookcard/_Editpla.a08"}));
  for (const std::string& name : FilesUnder(data))
    EXPECT_EQ(ReadHost(data / name), ReadHost(Sources() / name)) << name;
  for (const std::string& name : FilesUnder(vok / "Help"))
    EXPECT_EQ(ReadHost(vok / "Help" / name), ReadHost(Sources() / "Help" / name)) << name;
  for (const char* name : {"Viewer/demo_viewer.exe", "Viewer/demolib.dll"})
    EXPECT_EQ(ReadHost(vok / name), ReadHost(Sources() / name)) << name;
  for (const char* card : {"_Editpla.a07", "_Editpla.a08"})
    EXPECT_EQ(ReadHost(vok / "VokMnger/Bookcard" / card), ReadHost(Sources() / card)) << card;
}

TEST_F(ConsoleRunnerTest, SecondRunFindsEverythingUpToDate) {
  ASSERT_EQ(Cdrun("1\n\n").status, 0);
  WaitForViewer();
  const fs::path lesson = drives_ / "drive_c/VokData/Courses/English/lesson1.txt";
  ASSERT_TRUE(fs::exists(lesson));
  const auto installedAt = fs::last_write_time(lesson);

  const ToolRun again = Cdrun("2\n\n");
  ASSERT_EQ(again.status, 0) << again.output;
  EXPECT_EQ(again.output.find("Updating files ..."), std::string::npos) << again.output;
  EXPECT_NE(WaitForViewer().find(kGermanViewerLine), std::string::npos);
  EXPECT_EQ(fs::last_write_time(lesson), installedAt);
}

// From a script a refused destination ends the run before anything is written; on a terminal
// it is asked again.
TEST_F(ConsoleRunnerTest, DestinationThatIsNoFolderOnADrive) {
  const auto refusal = [](const std::string& answer) {
    return "The destination \"" + answer + "\" for \"Courses\\English\\lesson1.txt\" is not";
  };
  for (const std::string answer : {"-", "..\\..\\y", "   "}) {
    const ToolRun run = Cdrun("2\n" + answer + "\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(refusal(answer)), std::string::npos)
        << run.output;
  }
  EXPECT_TRUE(FilesUnder(drives_ / "drive_c/windows/Vok").empty());
  EXPECT_FALSE(fs::exists(fs::current_path() / "Courses"));
  const ToolRun run = Cdrun("2\nreldir\\sub\nc:\\Kurs\n", true);
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find(refusal("reldir\\sub")), std::string::npos);
  EXPECT_NE(WaitForViewer().find(kGermanViewerLine), std::string::npos);
}

TEST_F(ConsoleRunnerTest, CancelAtTheChoiceWritesNothingAndStartsNothing) {
  const ToolRun run = Cdrun("q\n");
  EXPECT_EQ(run.status, 2) << run.output;
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(ReadHost(dir_.Path() / "cdrun1.log").find("Demo viewer:"), std::string::npos);
  EXPECT_TRUE(FilesUnder(drives_ / "drive_c/VokData").empty());
  EXPECT_TRUE(FilesUnder(drives_ / "drive_c/windows/Vok").empty());
}

// A configuration that cannot be opened is named as the user typed it, not under the drive
// its folder would have been mounted as.
TEST_F(ConsoleRunnerTest, MissingConfigurationIsNamedAsTyped) {
  const ToolRun run = RunTool(CD_CDRUN, "no-such-run.cfg", dir_.Path() / "missing.log");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output,
            "cdrun: Cannot open file \"no-such-run.cfg\": No such file or directory\n");
}

}  // namespace
}  // namespace cd::test
