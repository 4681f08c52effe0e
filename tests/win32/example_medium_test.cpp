// The example medium built by cdbuild.exe and run by cdrun.exe in real windows, driven as a
// user would: choose the course, type the destination, watch the progress window; then every
// course file on disk and the demo viewer showing the chosen course data. A cancel in the
// choice writes nothing and starts nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <set>
#include <thread>

#include "example_build.h"
#include "program_run.h"
#include "support/host_files.h"
#include "support/temp_dir.h"
#include "window_driver.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

// Every key and value below path, one line each.
std::string RegistryDump(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  std::string dump = path + "\n";
  char name[256];
  BYTE data[1024];
  for (DWORD i = 0;; ++i) {
    DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
    if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
      break;
    dump += std::string(name) + "=" + std::string(reinterpret_cast<char*>(data), dataSize) + "\n";
  }
  for (DWORD i = 0;; ++i) {
    DWORD nameSize = sizeof name;
    if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    dump += RegistryDump(root, path + "\\" + name);
  }
  RegCloseKey(key);
  return dump;
}

// What a run of cdrun may change: the Vok folder, the course data, win.ini and the media
// player's setup keys.
std::string Snapshot() {
  std::string snapshot;
  for (const char* folder : {"C:\\windows\\Vok", "C:\\VokData"})
    for (const auto& [name, line] : Listing(folder)) snapshot += name + " " + line + "\n";
  snapshot += ReadHost("C:\\windows\\win.ini");
  snapshot += RegistryDump(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\MediaPlayer");
  return snapshot;
}

class ExampleMediumTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(BuildExampleMedium(Shared().Path()), 0u); }

  static TempDir& Shared() {
    static TempDir dir;
    return dir;
  }
  static fs::path Sources() { return Shared().Path() / "example-src/prg"; }

  static DWORD RunCdrun(const std::string& switches = "") {
    const fs::path config = Shared().Path() / "example-medium/run.cfg";
    return RunAndWaitFor(
        "\"" + ProgramPath(CDRUN_EXE) + "\" \"" + config.string() + "\" " + switches, 120);
  }

  TempDir dir_;
};

TEST_F(ExampleMediumTest, ChosenCourseIsInstalledAndItsViewerShowsTheCourseData) {
  const fs::path data = dir_.Path() / "courses";
  std::string viewerSays;
  {
    WindowDriver choice("TMultiRunForm", [](HWND form) {
      HWND apps = FindWindowExA(form, nullptr, "ListBox", nullptr);
      EXPECT_EQ(SendMessageA(apps, LB_GETCOUNT, 0, 0), 2);
      SendMessageA(apps, LB_SETCURSEL, 1, 0);
      Click(GetDlgItem(form, IDOK));
    });
    WindowDriver destination(
        "TAskMediumIdForm",
        [&](HWND form) {
          HWND edit = FindWindowExA(form, nullptr, "Edit", nullptr);
          EXPECT_EQ(WindowText(edit), "c:\\VokData");
          SetWindowTextA(edit, data.string().c_str());
          Click(GetDlgItem(form, IDOK));
        },
        nullptr, 60);
    // Every component over, the first row of the available side at a time.
    WindowDriver components(
        "TSelInstForm",
        [](HWND form) {
          const std::vector<HWND> sides = ChooserSides(form);
          ASSERT_EQ(sides.size(), 2u);
          for (int i = 0; i < 3; ++i) ClickRow(sides[0], 0);
          Click(ChildWithText(form, "Button", "OK"));
        },
        nullptr, 60);
    // The progress window is only watched: a driver would close it.
    std::atomic<bool> progressShown = false;
    std::thread progress([&] {
      if (HWND window = WaitForWindow("TQXMainSetupForm", nullptr, 60))
        progressShown = WindowText(window) == "Installer";
    });
    WindowDriver viewer(
        "#32770",
        [&](HWND box) {
          viewerSays = StaticTexts(box);
          CloseMessageBox(box);
        },
        "Demo viewer", 90);

    EXPECT_EQ(RunCdrun(), 0u);
    progress.join();
    EXPECT_TRUE(choice.Found());
    EXPECT_TRUE(destination.Found());
    EXPECT_TRUE(components.Found());
    EXPECT_TRUE(progressShown);
  }  // waits for the viewer's window
  EXPECT_NE(viewerSays.find("German_A8"), std::string::npos) << viewerSays;

  EXPECT_EQ(FilesUnder(data),
            (std::set<std::string>{"Courses/English/lesson1.txt", "Courses/English/lesson2.txt",
                                   "Courses/English/recording.dat", "Courses/German/lesson1.txt"}));
  for (const std::string& name : FilesUnder(data))
    EXPECT_EQ(ReadHost(data / name), ReadHost(Sources() / name)) << name;
  const fs::path vok = "C:\\windows\\Vok";
  for (const char* name : {"Viewer/demo_viewer.exe", "Viewer/demolib.dll", "Help/index.txt",
                           "Help/keys.txt", "Help/about.txt"})
    EXPECT_EQ(ReadHost(vok / name), ReadHost(Sources() / name)) << name;
}

TEST_F(ExampleMediumTest, CancelInTheChoiceWritesNothingAndStartsNothing) {
  const fs::path viewerFile = "C:\\windows\\Vok\\Viewer\\demo_viewer.exe";
  std::error_code missing;
  const auto before = fs::last_write_time(viewerFile, missing);
  WindowDriver choice("TMultiRunForm", [](HWND form) { Click(GetDlgItem(form, IDCANCEL)); });
  EXPECT_EQ(RunCdrun(), 0u);
  EXPECT_TRUE(choice.Found());
  EXPECT_EQ(WaitForWindow("TAskMediumIdForm", nullptr, 1), nullptr);
  EXPECT_EQ(WaitForWindow("#32770", "Demo viewer", 3), nullptr);
  std::error_code stillMissing;
  EXPECT_EQ(fs::last_write_time(viewerFile, stillMissing), before);
  EXPECT_EQ(static_cast<bool>(stillMissing), static_cast<bool>(missing));
}

// A very silent run installs without a window, the log naming every file written; a dry run
// after it decides against what is installed, logs its plan and changes nothing on the drive
// or in the registry, and starts nothing.
TEST_F(ExampleMediumTest, VerySilentRunThenADryRunThatChangesNothing) {
  const fs::path log = dir_.Path() / "install.log";
  {
    WindowDriver viewer(
        "#32770", [](HWND box) { CloseMessageBox(box); }, "Demo viewer", 90);
    EXPECT_EQ(RunCdrun("/VERYSILENT /APP=2 \"/LOG=" + log.string() + "\" " + kAllComponents), 0u);
  }
  const std::string installed = ReadHost(log);
  EXPECT_NE(installed.find(" copy item=\"Courses\\German\\lesson1.txt\" "
                           "target=\"c:\\VokData\\Courses\\German\\lesson1.txt\""),
            std::string::npos)
      << installed;
  EXPECT_NE(installed.find(" end outcome=\"done\" exit_code=0 "), std::string::npos) << installed;

  fs::remove("C:\\VokData\\Courses\\English\\lesson2.txt");
  const std::string before = Snapshot();
  EXPECT_EQ(RunCdrun("/DryRun /VerySilent /App=2 /LogFormat=json \"/Log=" + log.string() + "\" " +
                     kAllComponents),
            0u);
  EXPECT_EQ(WaitForWindow("#32770", "Demo viewer", 3), nullptr);
  EXPECT_EQ(Snapshot(), before);
  const std::string plan = ReadHost(log);
  EXPECT_NE(
      plan.find(
          "\"event\":\"plan\",\"action\":\"copy\",\"item\":\"Courses\\\\English\\\\lesson2.txt\""),
      std::string::npos)
      << plan;
}

}  // namespace
}  // namespace cd::test
