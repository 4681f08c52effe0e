// The uninstall entries of the example medium's two applications read back with the system's
// own registry calls, and their commands started exactly as stored, as the list of installed
// programs starts them: the quiet one removes the first application and keeps what the second
// shares; the interactive one asks, removes the second and with it everything left.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "example_build.h"
#include "program_run.h"
#include "support/host_files.h"
#include "support/temp_dir.h"
#include "window_driver.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

const std::string kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

std::string VokFolder() {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  return std::string(windows) + "\\Vok\\";
}

// The values of an application's uninstall entry, from the machine's keys or else the
// current user's; empty when neither has it.
struct Entry {
  std::map<std::string, std::string> strings;
  std::map<std::string, DWORD> numbers;
  bool Empty() const { return strings.empty() && numbers.empty(); }
};

Entry ReadEntry(const std::string& appName) {
  Entry entry;
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, (kUninstallKey + appName).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
      continue;
    for (const char* name : {"DisplayName", "InstallLocation", "InstallDate", "UninstallString",
                             "QuietUninstallString", "DisplayVersion", "Publisher"}) {
      char text[1024] = {};
      DWORD size = sizeof text - 1, type = 0;
      if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) ==
              ERROR_SUCCESS &&
          type == REG_SZ)
        entry.strings[name] = text;
    }
    for (const char* name : {"EstimatedSize", "NoModify", "NoRepair"}) {
      DWORD value = 0, size = sizeof value, type = 0;
      if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
              ERROR_SUCCESS &&
          type == REG_DWORD)
        entry.numbers[name] = value;
    }
    RegCloseKey(key);
    return entry;
  }
  return entry;
}

std::string Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[16];
  std::snprintf(text, sizeof text, "%04u%02u%02u", now.wYear, now.wMonth, now.wDay);
  return text;
}

// The kept copy goes once the removal it started has ended: a moment after its exit code.
bool GoneWithin(const fs::path& path, int seconds) {
  for (int i = 0; i < seconds * 10 && fs::exists(path); ++i) Sleep(100);
  return !fs::exists(path);
}

// The folders of the temporary copies that removals started from kept copies left.
int TemporaryCopies() {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  int count = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().rfind("cdrun-removal-", 0) == 0) ++count;
  return count;
}

class UninstallEntryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(BuildExampleMedium(Shared().Path()), 0u); }

  static TempDir& Shared() {
    static TempDir dir;
    return dir;
  }

  // Earlier tests may have installed the applications: each case begins with neither.
  void SetUp() override {
    for (const char* app : {"English_A7", "German_A8"})
      RunAndWaitFor("\"" + ProgramPath(CDRUN_EXE) + "\" /UNINSTALL=" + app + " /VERYSILENT", 120);
    ASSERT_FALSE(fs::exists(kViewer));
  }

  // Installs both applications without a window, each starting the viewer.
  static void InstallBoth() {
    const fs::path config = Shared().Path() / "example-medium/run.cfg";
    for (const char* app : {"1", "2"}) {
      WindowDriver viewer("#32770", &CloseMessageBox, "Demo viewer", 90);
      ASSERT_EQ(RunAndWaitFor("\"" + ProgramPath(CDRUN_EXE) + "\" \"" + config.string() +
                                  "\" /VERYSILENT /APP=" + app + " " + kAllComponents,
                              120),
                0u);
    }
  }

  const std::string vok_ = VokFolder();
  const fs::path kViewer = vok_ + "Viewer\\demo_viewer.exe";
  const fs::path kLesson = "C:\\VokData\\Courses\\German\\lesson1.txt";
};

TEST_F(UninstallEntryTest, EntryReadsBackAndItsQuietCommandKeepsWhatTheOtherApplicationShares) {
  InstallBoth();
  const Entry entry = ReadEntry("English_A7");
  ASSERT_FALSE(entry.Empty());
  const std::string program = vok_ + "English_A7\\cdrun.exe";
  const std::map<std::string, std::string> strings = {
      {"DisplayName", "English for Beginners"},
      {"InstallLocation", "c:\\VokData\\"},
      {"InstallDate", Today()},
      {"UninstallString", "\"" + program + "\" /UNINSTALL=\"English_A7\""},
      {"QuietUninstallString", "\"" + program + "\" /UNINSTALL=\"English_A7\" /SILENT"}};
  EXPECT_EQ(entry.strings, strings);
  ASSERT_EQ(entry.numbers.size(), 3u);
  EXPECT_GT(entry.numbers.at("EstimatedSize"), 0u);
  EXPECT_EQ(entry.numbers.at("NoModify"), 1u);
  EXPECT_EQ(entry.numbers.at("NoRepair"), 1u);
  EXPECT_TRUE(fs::exists(program));

  EXPECT_EQ(RunAndWaitFor(entry.strings.at("QuietUninstallString"), 120), 0u);
  EXPECT_TRUE(ReadEntry("English_A7").Empty());
  EXPECT_FALSE(fs::exists(vok_ + "English_A7\\InstallRecord.otx"));
  // The running kept copy went too, with its folder, once it had ended.
  EXPECT_TRUE(GoneWithin(vok_ + "English_A7", 10));
  EXPECT_TRUE(fs::exists(kViewer));
  EXPECT_TRUE(fs::exists(kLesson));
  EXPECT_FALSE(ReadEntry("German_A8").Empty());

  // A removal that fails in the temporary copy ends with its exit code, and takes nothing.
  const fs::path record = vok_ + "German_A8\\InstallRecord.otx";
  const std::string recorded = ReadHost(record);
  std::ofstream(record, std::ios::binary | std::ios::trunc) << "object broken";
  EXPECT_EQ(RunAndWaitFor(ReadEntry("German_A8").strings["QuietUninstallString"], 120), 1u);
  std::ofstream(record, std::ios::binary | std::ios::trunc) << recorded;
  EXPECT_TRUE(fs::exists(vok_ + "German_A8\\cdrun.exe"));
  EXPECT_FALSE(ReadEntry("German_A8").Empty());
  // Each handover deletes the copies of the earlier ones that have ended.
  EXPECT_EQ(TemporaryCopies(), 1);
}

TEST_F(UninstallEntryTest, InteractiveCommandAsksAndTheLastRemovalTakesEverything) {
  InstallBoth();
  ASSERT_EQ(RunAndWaitFor(ReadEntry("English_A7").strings["QuietUninstallString"], 120), 0u);
  const std::string command = ReadEntry("German_A8").strings["UninstallString"];
  ASSERT_FALSE(command.empty());

  std::string question, closing;
  {
    WindowDriver boxes("#32770", [&](HWND box) {
      question = StaticTexts(box);
      Click(GetDlgItem(box, IDYES));
      // The closing message follows in a box of its own.
      for (int i = 0; i < 600 && closing.empty(); ++i) {
        HWND next = WaitForWindow("#32770", nullptr, 1);
        if (next && next != box && StaticTexts(next).find("removed") != std::string::npos) {
          closing = StaticTexts(next);
          Click(GetDlgItem(next, IDOK));
        }
      }
    });
    EXPECT_EQ(RunAndWaitFor(command, 120), 0u);
  }
  EXPECT_NE(question.find("Remove \"German for Beginners\""), std::string::npos) << question;
  EXPECT_NE(closing.find("\"German for Beginners\" was removed."), std::string::npos) << closing;
  EXPECT_TRUE(ReadEntry("German_A8").Empty());
  EXPECT_FALSE(fs::exists(vok_ + "German_A8\\InstallRecord.otx"));
  EXPECT_FALSE(fs::exists(kViewer));
  EXPECT_FALSE(fs::exists(kLesson));
  EXPECT_FALSE(fs::exists(vok_ + "Help\\index.txt"));
  EXPECT_TRUE(GoneWithin(vok_ + "German_A8", 10));
}

}  // namespace
}  // namespace cd::test
