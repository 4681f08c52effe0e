// The cdrun program under Windows: the single-instance test, failures in a message box titled
// with the application title, the choice of a real run and the update in its window.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "support/temp_dir.h"
#include "window_driver.h"

namespace cd {
namespace {

using test::Click;
using test::WindowDriver;
using test::WindowText;

// The program's path as this process sees it (under Wine a host path lies on drive Z:).
std::string CdrunPath() {
  std::string path = CDRUN_EXE;
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

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
  std::string commandLine = "\"" + CdrunPath() + "\" \"" + argument + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    ADD_FAILURE() << "cannot start " << commandLine;
    return static_cast<DWORD>(-1);
  }
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  } else {
    TerminateProcess(process.hProcess, 99);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

std::string MessageBoxText(HWND box) {
  std::string shown;
  for (HWND t = FindWindowExA(box, nullptr, "Static", nullptr); t;
       t = FindWindowExA(box, t, "Static", nullptr)) {
    shown += WindowText(t);
  }
  return shown;
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
    EXPECT_NE(MessageBoxText(box).find("no such folder"), std::string::npos) << MessageBoxText(box);
    Click(GetDlgItem(box, IDOK) ? GetDlgItem(box, IDOK) : GetDlgItem(box, IDCANCEL));
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
    EXPECT_NE(MessageBoxText(box).find("missing.dat"), std::string::npos) << MessageBoxText(box);
    Click(GetDlgItem(box, IDOK) ? GetDlgItem(box, IDOK) : GetDlgItem(box, IDCANCEL));
  });
  EXPECT_EQ(RunCdrun(config), 0u);
  EXPECT_TRUE(driver.Found());
  EXPECT_TRUE(progressShown);
}

}  // namespace
}  // namespace cd
