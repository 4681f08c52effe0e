// The component chooser of cdrun.exe in its real window, on the example medium with a
// selection outline: components moved both ways with clicks and with the move buttons, a move
// button without a row told in a message box while the dialog stays, OK installing exactly the
// chosen components and Cancel nothing; and /COMPONENTS answering it in a silent run.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "example_build.h"
#include "program_run.h"
#include "support/host_files.h"
#include "support/temp_dir.h"
#include "window_driver.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

// A double click is one press that moves the node; the second comes as a double click, which
// only opens or closes the branch then current.
void DoubleClickRow(HWND outline, int row) {
  ClickRow(outline, row);
  SendMessageA(outline, WM_LBUTTONDBLCLK, MK_LBUTTON, OutlineRowPoint(row));
  SendMessageA(outline, WM_LBUTTONUP, 0, OutlineRowPoint(row));
}

void Key(HWND outline, WPARAM key) {
  SendMessageA(outline, WM_KEYDOWN, key, 0);
}

// Presses button without waiting (its handler may show a message box), then answers the box,
// which must say text; the chooser is still shown after it.
void PressAndExpectMessage(HWND form, HWND button, const std::string& text) {
  PostMessageA(button, BM_CLICK, 0, 0);
  HWND box = WaitForWindow("#32770", nullptr, 10);
  ASSERT_TRUE(box);
  EXPECT_NE(StaticTexts(box).find(text), std::string::npos) << StaticTexts(box);
  CloseMessageBox(box);
  for (int i = 0; i < 100 && IsWindowVisible(box); ++i) Sleep(20);
  EXPECT_TRUE(IsWindowVisible(form));
}

class ComponentChoiceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(BuildExampleMedium(Shared().Path()), 0u); }
  static TempDir& Shared() {
    static TempDir dir;
    return dir;
  }

  DWORD RunCdrun(const std::string& switches = "") const {
    const fs::path config = Shared().Path() / "example-medium/run.cfg";
    return RunAndWaitFor(
        "\"" + ProgramPath(CDRUN_EXE) + "\" \"" + config.string() + "\" " + switches, 120);
  }
  std::set<std::string> CourseFiles() const { return FilesUnder(data_); }

  // Chooses the second application and types data_ as the destination.
  void AnswerChoiceAndDestination(std::vector<std::unique_ptr<WindowDriver>>& drivers) const {
    drivers.push_back(std::make_unique<WindowDriver>("TMultiRunForm", [](HWND form) {
      SendMessageA(FindWindowExA(form, nullptr, "ListBox", nullptr), LB_SETCURSEL, 1, 0);
      Click(GetDlgItem(form, IDOK));
    }));
    drivers.push_back(std::make_unique<WindowDriver>(
        "TAskMediumIdForm",
        [this](HWND form) {
          SetWindowTextA(FindWindowExA(form, nullptr, "Edit", nullptr), data_.string().c_str());
          Click(GetDlgItem(form, IDOK));
        },
        nullptr, 60));
  }

  TempDir dir_;
  fs::path data_ = dir_.Path() / "courses";
};

TEST_F(ComponentChoiceTest, MovesBothWaysThenOkInstallsTheChosenComponents) {
  bool chooserShown = false;
  {
    std::vector<std::unique_ptr<WindowDriver>> drivers;
    AnswerChoiceAndDestination(drivers);
    drivers.push_back(std::make_unique<WindowDriver>(
        "TSelInstForm",
        [&](HWND form) {
          chooserShown = WindowText(form) == "Select components to install or upgrade";
          const std::vector<HWND> sides = ChooserSides(form);
          ASSERT_EQ(sides.size(), 2u);
          HWND moveFrom = ChildWithText(form, "Button", ">");
          HWND moveTo = ChildWithText(form, "Button", "<");
          ASSERT_TRUE(moveFrom && moveTo);
          EXPECT_TRUE(ChildWithText(form, "Static", "Available Components:"));
          EXPECT_TRUE(ChildWithText(form, "Static", "Selected Components:"));
          // Available: Program, Courses, English, German, Help; nothing selected yet.
          PressAndExpectMessage(form, moveTo, "Choose selected component first!");
          DoubleClickRow(sides[0], 4);  // Help over
          Key(sides[0], VK_HOME);
          Click(moveFrom);        // Program over
          ClickRow(sides[0], 0);  // the Courses branch over: the available side is empty
          PressAndExpectMessage(form, moveFrom, "Choose available component first!");
          // Selected: Program, Courses, English, German, Help.
          ClickRow(sides[1], 3);  // German back
          Key(sides[1], VK_END);
          Click(moveTo);  // Help back
          Click(ChildWithText(form, "Button", "OK"));
        },
        nullptr, 60));
    drivers.push_back(std::make_unique<WindowDriver>("#32770", CloseMessageBox, "Demo viewer", 90));
    EXPECT_EQ(RunCdrun(), 0u);
    for (const auto& driver : drivers) EXPECT_TRUE(driver->Found());
  }
  EXPECT_TRUE(chooserShown);
  EXPECT_EQ(CourseFiles(),
            (std::set<std::string>{"Courses/English/lesson1.txt", "Courses/English/lesson2.txt",
                                   "Courses/English/recording.dat"}));
}

TEST_F(ComponentChoiceTest, CancelInstallsNothingAndStartsNothing) {
  {
    std::vector<std::unique_ptr<WindowDriver>> drivers;
    AnswerChoiceAndDestination(drivers);
    drivers.push_back(std::make_unique<WindowDriver>(
        "TSelInstForm",
        [](HWND form) {
          ClickRow(ChooserSides(form).at(0), 1);  // Courses over, then Cancel
          Click(ChildWithText(form, "Button", "Cancel"));
        },
        nullptr, 60));
    EXPECT_EQ(RunCdrun(), 0u);
    for (const auto& driver : drivers) EXPECT_TRUE(driver->Found());
  }
  EXPECT_EQ(WaitForWindow("#32770", "Demo viewer", 3), nullptr);
  EXPECT_FALSE(fs::exists(data_));
}

// /COMPONENTS names the components of a silent run; an unknown one ends it with exit code 1
// and a message that lists the components there are.
TEST_F(ComponentChoiceTest, ComponentsNamedOnTheCommandLine) {
  const std::string dir = "\"/DIR=" + data_.string() + "\"";
  {
    WindowDriver viewer("#32770", CloseMessageBox, "Demo viewer", 90);
    EXPECT_EQ(RunCdrun("/SILENT /APP=2 " + dir + " \"/COMPONENTS=Program, courses\\german\""), 0u);
  }
  EXPECT_EQ(CourseFiles(), (std::set<std::string>{"Courses/German/lesson1.txt"}));

  const fs::path log = dir_.Path() / "unknown.log";
  EXPECT_EQ(RunCdrun("/SILENT /APP=2 " + dir + " /COMPONENTS=French \"/LOG=" + log.string() + "\""),
            1u);
  const std::string logged = ReadHost(log);
  EXPECT_NE(logged.find("Unknown component \"\"French\"\"; the components are: Program, Courses, "
                        "Courses\\English, Courses\\German, Help"),
            std::string::npos)
      << logged;
  EXPECT_EQ(CourseFiles(), (std::set<std::string>{"Courses/German/lesson1.txt"}));
}

}  // namespace
}  // namespace cd::test
