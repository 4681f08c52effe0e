// The console cdrun on the example medium, whose files manager has a selection outline: the
// components moved to the selected side are what gets installed, and q cancels with nothing
// installed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"
#include "tool_run.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

class ComponentChoiceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const ToolRun build = BuildExample(Shared().Path());
    ASSERT_EQ(build.status, 0) << build.output;
  }
  static TempDir& Shared() {
    static TempDir dir;
    return dir;
  }

  ToolRun Cdrun(const std::string& answers, const std::string& switches = "") {
    setenv("CDRUN_ROOT", (dir_.Path() / "drives").string().c_str(), 1);
    std::ofstream(dir_.File("answers.txt"), std::ios::binary) << answers;
    const fs::path config = Shared().Path() / "example-medium/run.cfg";
    return RunTool(CD_CDRUN, "\"" + config.string() + "\" " + switches, dir_.File("cdrun.log"),
                   dir_.File("answers.txt"));
  }
  bool Installed(const std::string& path) const {
    return fs::exists(dir_.Path() / "drives/drive_c" / path);
  }

  TempDir dir_;
};

// Application 1, the default destination, then Program and Courses over, German back.
TEST_F(ComponentChoiceTest, InstallsExactlyTheChosenComponents) {
  const ToolRun run = Cdrun("\n\n> 1\n> 1\n< 4\n< 9\n\n");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Choose selected component first!"), std::string::npos);
  EXPECT_TRUE(Installed("windows/Vok/Viewer/demo_viewer.exe"));
  EXPECT_TRUE(Installed("windows/Vok/Viewer/demolib.dll"));
  EXPECT_TRUE(Installed("VokData/Courses/English/lesson1.txt"));
  EXPECT_TRUE(Installed("VokData/Courses/English/recording.dat"));
  EXPECT_FALSE(Installed("VokData/Courses/German/lesson1.txt"));
  EXPECT_FALSE(Installed("windows/Vok/Help/index.txt"));
}

TEST_F(ComponentChoiceTest, QuitCancelsSilently) {
  const ToolRun run = Cdrun("\n\n> 1\nq\n");
  EXPECT_EQ(run.status, 2) << run.output;
  EXPECT_FALSE(Installed("windows/Vok/Viewer/demo_viewer.exe"));
  EXPECT_FALSE(fs::exists(dir_.Path() / "drives/drive_c/VokData"));
}

// --components answers the chooser in a silent run; an unknown name ends the run with exit 1.
TEST_F(ComponentChoiceTest, ComponentsNamedOnTheCommandLine) {
  const ToolRun run = Cdrun("", "--silent --app=1 \"--components=Program, courses\\german\"");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(Installed("windows/Vok/Viewer/demo_viewer.exe"));
  EXPECT_TRUE(Installed("VokData/Courses/German/lesson1.txt"));
  EXPECT_FALSE(Installed("VokData/Courses/English/lesson1.txt"));
  EXPECT_FALSE(Installed("windows/Vok/Help/index.txt"));

  const ToolRun unknown = Cdrun("", "--silent --app=1 --components=French");
  EXPECT_EQ(unknown.status, 1) << unknown.output;
  EXPECT_NE(unknown.output.find("Unknown component \"French\"; the components are: Program, "
                                "Courses, Courses\\English, Courses\\German, Help"),
            std::string::npos)
      << unknown.output;
}

}  // namespace
}  // namespace cd::test
