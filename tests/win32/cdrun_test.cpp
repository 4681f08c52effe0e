// The cdrun program under Windows: the single-instance test, failures in a message box titled
// with the application title, the choice of a real run and the update in its window.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include "program_run.h"
#include "support/temp_dir.h"
#include "window_driver.h"

namespace cd {
namespace {

using test::Click;
using test::WindowDriver;
using test::WindowText;

// A native path of this process for a host path of the test's own temporary folder.
std::string WinPath(const std::string& path) {
  std::string result = path;
  for (char& c : result) {
    if (c == '/') c = '\\';
  }
  return result;
}

// Runs cdrun with one argument; its exit code, or -1 when it did not end within 60 s.
DWORD RunCdrun(const std::string& argument) {
  return test::RunAndWaitFor("\"" + test::ProgramPath(CDRUN_EXE) + "\" \"" + argument + "\"", 60);
}

std::string WriteConfig(const test::TempDir& dir, const std::string& body) {
  std::ofstream(dir.File("run.cfg"), std::ios::binary) << "object FilesManager: TFilesManager\n"
                                                       << body << "end\n";
  return WinPath(dir.File("run.cfg"));
}

TEST(CdrunTest, EndsSilentlyWhileAnInsertCDRomWindowExists) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "TInsertCDRomForm";
  RegisterClassA(&wc);
  HWND other = CreateWindowA("TInsertCDRomForm", "Insert CD", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                             nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_TRUE(other);
  // Without the test the missing configuration would show a message box and never end.
  EXPECT_EQ(RunCdrun("C:\\no such folder\\run.cfg"), 0u);
  DestroyWindow(other);
}

TEST(CdrunTest, FailureIsShownInABoxTitledWithTheApplicationTitle) {
  WindowDriver driver("#32770", [](HWND box) {
    EXPECT_EQ(WindowText(box), "cdrun");
    EXPECT_NE(test::StaticTexts(box).find("no such folder"), std::string::npos)
        << test::StaticTexts(box);
    test::CloseMessageBox(box);
  });
  EXPECT_EQ(RunCdrun("C:\\no such folder\\run.cfg"), 0u);
  EXPECT_TRUE(driver.Found());
}

TEST(CdrunTest, ChoiceOfTwoApplicationsThenAnUpdateWithoutWindow) {
  test::TempDir dir;
  const std::string config = WriteConfig(dir,
                                         "  Viewers = <\n"
                                         "    item\n"
                                         "      Exe = 'a.exe'\n"
                                         "      Descr = 'First'\n"
                                         "    end\n"
                                         "    item\n"
                                         "      Exe = 'b.exe'\n"
                                         "      Descr = 'Second'\n"
                                         "    end>\n");
  WindowDriver driver("TMultiRunForm", [](HWND form) {
    HWND apps = FindWindowExA(form, nullptr, "ListBox", nullptr);
    EXPECT_EQ(SendMessageA(apps, LB_GETCOUNT, 0, 0), 2);
    SendMessageA(apps, LB_SETCURSEL, 1, 0);
    Click(GetDlgItem(form, IDOK));
  });
  EXPECT_EQ(RunCdrun(config), 0u);
  EXPECT_TRUE(driver.Found());
}

TEST(CdrunTest, CancelInTheChoiceEndsSilently) {
  test::TempDir dir;
  const std::string config = WriteConfig(dir,
                                         "  Viewers = <\n"
                                         "    item\n"
                                         "      Exe = 'a.exe'\n"
                                         "    end\n"
                                         "    item\n"
                                         "      Exe = 'b.exe'\n"
                                         "    end>\n");
  WindowDriver driver("TMultiRunForm", [](HWND form) { Click(GetDlgItem(form, IDCANCEL)); });
  EXPECT_EQ(RunCdrun(config), 0u);
  EXPECT_TRUE(driver.Found());
  EXPECT_EQ(FindWindowA("#32770", nullptr), nullptr);
}

TEST(CdrunTest, FailureInsideTheProgressWindowIsShownAndTheWindowCloses) {
  test::TempDir dir;
  const std::string config = WriteConfig(dir,
                                         "  RunData.Options = [ro_InstallDirectX]\n"
                                         "  object TDatumValue\n"
                                         "    Path = 'missing.dat'\n"
                                         "    DestSize = 10\n"
                                         "  end\n");
  bool progressShown = false;
  WindowDriver driver("#32770", [&](HWND box) {
    progressShown = IsWindowVisible(FindWindowA("TQXMainSetupForm", nullptr));
    EXPECT_NE(test::StaticTexts(box).find("missing.dat"), std::string::npos)
        << test::StaticTexts(box);
    test::CloseMessageBox(box);
  });
  EXPECT_EQ(RunCdrun(config), 0u);
  EXPECT_TRUE(driver.Found());
  EXPECT_TRUE(progressShown);
}

// The classes of the visible top-level windows of other processes that appear while it runs.
class WindowWatch {
 public:
  WindowWatch()
      : thread_([this] {
          do {
            EnumWindows(&Collect, reinterpret_cast<LPARAM>(this));
            Sleep(5);
          } while (!stop_);
        }) {}
  std::set<std::string> Stop() {
    stop_ = true;
    thread_.join();
    return seen_;
  }

 private:
  static BOOL CALLBACK Collect(HWND hwnd, LPARAM self) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process == GetCurrentProcessId() || !IsWindowVisible(hwnd)) return TRUE;
    char name[128] = {};
    GetClassNameA(hwnd, name, sizeof name);
    reinterpret_cast<WindowWatch*>(self)->seen_.insert(name);
    return TRUE;
  }

  std::atomic<bool> stop_ = false;
  std::set<std::string> seen_;
  std::thread thread_;
};

// A silent run shows the progress window at most and reports the failure without a box (a
// box would keep the run from ending); a very silent run shows no window at all. Both end
// with exit code 1.
TEST(CdrunTest, SilentRunsShowNoWindowButTheProgress) {
  test::TempDir dir;
  const std::string config = WriteConfig(dir,
                                         "  RunData.Options = [ro_InstallDirectX]\n"
                                         "  object TDatumValue\n"
                                         "    Path = 'missing.dat'\n"
                                         "    DestSize = 10\n"
                                         "  end\n");
  const std::set<std::string> before = WindowWatch().Stop();
  for (const char* silence : {"/SILENT", "/VERYSILENT"}) {
    WindowWatch watch;
    EXPECT_EQ(test::RunAndWaitFor(
                  "\"" + test::ProgramPath(CDRUN_EXE) + "\" \"" + config + "\" " + silence, 60),
              1u);
    std::set<std::string> shown;
    for (const std::string& name : watch.Stop())
      if (!before.count(name)) shown.insert(name);
    if (std::string(silence) == "/SILENT") shown.erase("TQXMainSetupForm");
    EXPECT_TRUE(shown.empty()) << silence << ": " << *shown.begin();
  }
}

}  // namespace
}  // namespace cd
