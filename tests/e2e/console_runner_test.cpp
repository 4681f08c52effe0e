// The console cdrun on the example medium built by cdbuild, as a user runs it: answers given
// line by line on standard input, every installed file checked against the example's sources,
// the demo viewer's own output checked; a second run finds everything up to date; a cancel
// leaves the drives untouched.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include "support/temp_dir.h"
#include "tool_run.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

// The value of key in one JSON line of the install log: a text without its quotes and
// escapes, or a literal as written.
std::string JsonField(const std::string& line, const std::string& key) {
  size_t at = line.find("\"" + key + "\":");
  if (at == std::string::npos) return {};
  at += key.size() + 3;
  if (line[at] != '"') return line.substr(at, line.find_first_of(",}", at) - at);
  std::string value;
  for (size_t i = at + 1; i < line.size() && line[i] != '"'; ++i) {
    if (line[i] == '\\') ++i;
    value += line[i];
  }
  return value;
}

constexpr const char* kGermanViewerLine = "Demo viewer: started with the course data \"German_A8\"";

class ConsoleRunnerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const ToolRun build = BuildExample(Shared().Path());
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

  // cdrun on the example medium with the answers as its standard input, every component
  // chosen after them; on a terminal, the answers are typed into one (script gives it a
  // pseudo-terminal).
  ToolRun Cdrun(const std::string& answers, bool terminal = false) {
    const fs::path input = dir_.Path() / ("answers" + std::to_string(++runs_) + ".txt");
    std::ofstream(input, std::ios::binary) << answers << kChooseAllComponents;
    const fs::path config = Shared().Path() / "example-medium/run.cfg";
    const std::string command = "\"" + std::string(CD_CDRUN) + "\" \"" + config.string() + "\"";
    const fs::path log = dir_.Path() / ("cdrun" + std::to_string(runs_) + ".log");
    if (terminal) return RunTool("script", "-qec '" + command + "' /dev/null", log, input);
    return RunTool(CD_CDRUN, "\"" + config.string() + "\"", log, input);
  }

  // cdrun on a medium with switches and nothing on standard input; on the example medium every
  // component is chosen.
  ToolRun CdrunWith(const std::string& switches, const fs::path& medium = {}) {
    const fs::path log = dir_.Path() / ("cdrun" + std::to_string(++runs_) + ".log");
    const fs::path config = (medium.empty() ? Shared().Path() / "example-medium" : medium);
    const std::string all = medium.empty() ? std::string(" ") + kAllComponents : "";
    return RunTool(CD_CDRUN, "\"" + (config / "run.cfg").string() + "\" " + switches + all, log,
                   "/dev/null");
  }

  // The host file of a drive path on the test's drive map.
  fs::path HostOf(std::string windowsPath) const {
    for (char& c : windowsPath) c = c == '\\' ? '/' : c;
    return drives_ / ("drive_" + std::string(1, static_cast<char>(std::tolower(windowsPath[0])))) /
           windowsPath.substr(3);
  }

  // The lines of an install log.
  static std::vector<std::string> LogLines(const fs::path& log) {
    std::vector<std::string> lines;
    std::istringstream text(ReadHost(log));
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
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
  // Without a terminal the progress is a line every few percent, not a bar.
  EXPECT_NE(run.output.find("\n100%  Copied: "), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("[#"), std::string::npos);
  EXPECT_NE(WaitForViewer().find(kGermanViewerLine), std::string::npos);

  // The course data went to the destination typed, everything else to the Vok folder of the
  // Windows directory, with the record of the install and the program its removal starts;
  // nothing anywhere else.
  const fs::path data = drives_ / "drive_c/Kurs";
  const fs::path vok = drives_ / "drive_c/windows/Vok";
  EXPECT_EQ(FilesUnder(data),
            (std::set<std::string>{"Courses/English/lesson1.txt", "Courses/English/lesson2.txt",
                                   "Courses/English/recording.dat", "Courses/German/lesson1.txt"}));
  EXPECT_EQ(FilesUnder(vok),
            (std::set<std::string>{
                "German_A8/InstallRecord.otx", "German_A8/cdrun.exe", "Help/about.txt",
                "Help/index.txt", "Help/keys.txt", "Viewer/demo_viewer.exe", "Viewer/demolib.dll",
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

// A silent run asks nothing and logs why each file was installed: every target that a
// decision found needed, and every group member written, is on the disk, and nothing else
// is; the second run finds everything current and copies nothing.
TEST_F(ConsoleRunnerTest, SilentRunWithALogExplainsWhatWasInstalled) {
  const fs::path log = dir_.Path() / "install.log";
  const std::string switches =
      "--silent --app=2 '--dir=c:\\Kurs' --log-format=json --log=\"" + log.string() + "\"";
  const ToolRun run = CdrunWith(switches);
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output.find("[c:\\VokData]"), std::string::npos) << run.output;
  EXPECT_NE(WaitForViewer().find(kGermanViewerLine), std::string::npos);

  std::set<std::string> written;
  std::set<std::string> reasons;
  int decisions = 0;
  // Folder names on the drives are found in any letter case: compared in lower case.
  const auto host = [this](const std::string& line) {
    std::string name = fs::relative(HostOf(JsonField(line, "target")), drives_).string();
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
  };
  for (const std::string& line : LogLines(log)) {
    const std::string event = JsonField(line, "event");
    if (event == "decision") {
      ++decisions;
      reasons.insert(JsonField(line, "reason"));
      const std::string item = JsonField(line, "item");
      if (JsonField(line, "needed") == "true" && item.find(".grp") == std::string::npos)
        written.insert(host(line));
    }
    const bool merged = event == "card-merge" && JsonField(line, "written") == "true";
    if (event == "member" || merged) written.insert(host(line));
    // The record of the install, the program its removal starts and the uninstall entry.
    if (event == "record") {
      written.insert("drive_c/windows/vok/german_a8/installrecord.otx");
      written.insert("drive_c/windows/vok/german_a8/cdrun.exe");
    }
    if (event == "uninstall-entry" && JsonField(line, "written") == "true")
      written.insert("drive_c/windows/cdrun-registry.reg");
    if (event == "end") {
      EXPECT_EQ(JsonField(line, "exit_code"), "0") << line;
    }
  }
  EXPECT_GT(decisions, 5);
  std::set<std::string> installed;
  for (std::string name : FilesUnder(drives_ / "drive_c")) {
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    installed.insert("drive_c/" + name);
  }
  EXPECT_EQ(written, installed);
  EXPECT_TRUE(reasons.count("missing on disk (or held open by another program)")) << run.output;

  const ToolRun again = CdrunWith(switches);
  ASSERT_EQ(again.status, 0) << again.output;
  WaitForViewer();
  const std::vector<std::string> lines = LogLines(log);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return JsonField(l, "event") == "copy"; }),
            0);
  // Only the library cards are merged again; every other file is current.
  for (const std::string& line : lines) {
    const std::string reason = JsonField(line, "reason");
    if (JsonField(line, "event") == "decision" &&
        reason.find("members needed") == std::string::npos &&
        reason != "a library card: merged with the installed one") {
      EXPECT_EQ(JsonField(line, "needed"), "false") << line;
      EXPECT_NE(reason.find("same date "), std::string::npos) << line;
    }
  }
}

// The dry run decides against what is installed, prints the plan and changes nothing on any
// drive: the listings before and after compare equal, and no viewer starts.
TEST_F(ConsoleRunnerTest, DryRunChangesNothing) {
  ASSERT_EQ(CdrunWith("--very-silent --app=1").status, 0);
  WaitForViewer();
  fs::remove(drives_ / "drive_c/VokData/Courses/English/lesson2.txt");
  const auto before = Listing(drives_);
  const ToolRun run = CdrunWith("--dry-run --very-silent --app=2");
  ASSERT_EQ(run.status, 0) << run.output;
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(Listing(drives_), before);
  EXPECT_NE(run.output.find("Dry run: nothing is changed"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("lesson2.txt ("), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Would start: C:\\WINDOWS\\Vok\\Viewer\\demo_viewer.exe German_A8"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(run.output.find("Demo viewer:"), std::string::npos) << run.output;
}

// Exit codes of silent runs: a refused destination fails (1) before anything is written, the
// message on standard error; an unknown application fails and lists them.
TEST_F(ConsoleRunnerTest, SilentRunsThatFail) {
  const ToolRun escape = CdrunWith("--silent --app=2 '--dir=..\\..\\y'");
  EXPECT_EQ(escape.status, 1);
  EXPECT_NE(escape.output.find("The destination \"..\\..\\y\\\" for"), std::string::npos)
      << escape.output;
  const ToolRun unknown = CdrunWith("--very-silent --app=Spanish");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_NE(unknown.output.find("Unknown application \"Spanish\"; the applications are 1 "),
            std::string::npos)
      << unknown.output;
  EXPECT_TRUE(FilesUnder(drives_ / "drive_c").empty());
  const ToolRun wrong = CdrunWith("--quiet");
  EXPECT_EQ(wrong.status, 1);
  EXPECT_EQ(wrong.output, "cdrun: Unknown switch \"--quiet\"; see --help\n");
}

// A run that installs the media player ends with 3: silent, the notice goes to standard
// error; with --no-restart it is not announced at all.
TEST_F(ConsoleRunnerTest, MediaPlayerSetupEndsWithRestartNeeded) {
  const fs::path medium = dir_.Path() / "player-medium";
  fs::create_directories(medium);
  std::ofstream(medium / "player.ex_", std::ios::binary) << "MZ..";
  std::ofstream(medium / "run.cfg", std::ios::binary)
      << "object FilesManager: TFilesManager\n"
         "  RunData.InstallLang = 'EN'\n"
         "  RunData.Options = [ro_InstallMediaPlayer]\n"
         "  object TMediaViewerValue\n"
         "    Path = 'player.exe'\n"
         "    DestSize = 4\n"
         "  end\n"
         "end\n";
  const fs::path log = dir_.Path() / "player.log";
  const ToolRun silent = CdrunWith("--very-silent --log=\"" + log.string() + "\"", medium);
  EXPECT_EQ(silent.status, 3) << silent.output;
  EXPECT_NE(silent.output.find("MediaPlayer was just installed"), std::string::npos)
      << silent.output;
  EXPECT_NE(ReadHost(log).find(" end outcome=\"done, restart needed\" exit_code=3 "),
            std::string::npos)
      << ReadHost(log);
  fs::remove_all(drives_ / "drive_c");
  const ToolRun quiet = CdrunWith("--no-restart", medium);
  EXPECT_EQ(quiet.status, 3) << quiet.output;
  EXPECT_EQ(quiet.output.find("was just installed"), std::string::npos) << quiet.output;
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
