// The removal of recorded applications over real files: shared files stay for the record that
// still names them, changed files stay and are named, created folders go when empty, a dry run
// changes nothing, a removal stopped after any step completes when run again, and what was
// left in use goes later.
#include "install/uninstaller.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "base/exceptions.h"
#include "install/install_classes.h"
#include "install/install_record.h"
#include "install/install_recorder.h"
#include "install/log_event.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/message_of.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

namespace fs = std::filesystem;

class UninstallerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterInstallClasses(); }

  std::string Windows(const std::string& name) const { return os::WindowsPath(dir_.File(name)); }

  // Written through the platform, as the engine writes, so that its view of folders holds.
  void Write(const std::string& name, const std::string& data) const {
    const std::string file = Windows(name);
    os::ForceDirectories(os::ExtractFilePath(file));
    os::WriteWholeFile(file, data);
  }

  // Installs the files (name and contents) as application appName would, with its record.
  void Install(const std::string& appName, const std::map<std::string, std::string>& files) {
    TInstallRecorder recorder(records_, appName);
    for (const auto& [name, data] : files)
      recorder.Take(TLogEvent("decision").Str("target", Windows(name)).Bool("needed", true));
    for (const auto& [name, data] : files) {
      Write(name, data);
      recorder.Take(TLogEvent("copy").Str("target", Windows(name)));
    }
    recorder.SaveIfInstalled();
  }

  // Every file and folder below the temporary folder with the files' contents.
  std::string Listing() const {
    std::ostringstream out;
    for (const auto& entry : fs::recursive_directory_iterator(dir_.Path())) {
      out << fs::relative(entry.path(), dir_.Path()).string();
      if (entry.is_regular_file())
        out << " = " << os::ReadWholeFile(os::WindowsPath(entry.path().string()));
      out << "\n";
    }
    return out.str();
  }

  test::TempDir dir_;
  std::string records_ = os::IncludeTrailingBackslash(Windows("Vok"));
};

TEST_F(UninstallerTest, SharedFilesStayUntilTheLastRecordNamingThemGoes) {
  Write("Vok/.keep", "");
  const std::string before = Listing();
  Install("A", {{"Vok/Pagent/pgt2.exe", "viewer"}, {"KursA/a.dat", "a"}});
  Install("B", {{"Vok/Pagent/pgt2.exe", "viewer"}, {"KursB/b.dat", "b"}});

  TUninstaller(records_, "A").Run(false);
  EXPECT_TRUE(fs::exists(dir_.Path() / "Vok/Pagent/pgt2.exe"));
  EXPECT_FALSE(fs::exists(dir_.Path() / "KursA"));
  EXPECT_TRUE(fs::exists(dir_.Path() / "KursB/b.dat"));
  EXPECT_EQ(RecordedApplications(records_), std::vector<std::string>{"B"});

  TUninstaller(records_, "B").Run(false);
  EXPECT_EQ(Listing(), before);
}

TEST_F(UninstallerTest, AChangedFileIsKeptAndNamed) {
  Install("A", {{"Kurs/a.dat", "a"}, {"Kurs/notes.txt", "mine"}});
  Write("Kurs/notes.txt", "changed");
  TUninstaller uninstaller(records_, "A");
  uninstaller.Run(false);
  EXPECT_EQ(uninstaller.KeptChanged(), std::vector<std::string>{Windows("Kurs/notes.txt")});
  EXPECT_FALSE(fs::exists(dir_.Path() / "Kurs/a.dat"));
  EXPECT_TRUE(fs::exists(dir_.Path() / "Kurs/notes.txt"));
  EXPECT_TRUE(RecordedApplications(records_).empty());
}

TEST_F(UninstallerTest, AFolderTheUserFilledStaysAndOneThatExistedBeforeIsNotTouched) {
  Write("Old/.keep", "");
  Install("A", {{"Old/a.dat", "a"}, {"New/Deep/b.dat", "b"}, {"New/c.dat", "c"}});
  Write("New/user.txt", "user");
  TUninstaller(records_, "A").Run(false);
  EXPECT_TRUE(fs::exists(dir_.Path() / "Old/.keep"));
  EXPECT_FALSE(fs::exists(dir_.Path() / "New/Deep"));
  EXPECT_TRUE(fs::exists(dir_.Path() / "New/user.txt"));
}

TEST_F(UninstallerTest, ADryRunListsTheStepsAndChangesNothing) {
  Install("A", {{"Kurs/a.dat", "a"}});
  const std::string before = Listing();
  const std::vector<std::string> lines = TUninstaller(records_, "A").Run(true);
  EXPECT_EQ(Listing(), before);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "remove file: " + Windows("Kurs/a.dat"));
  EXPECT_EQ(lines[1], "remove folder when empty: " + Windows("Kurs"));
}

TEST_F(UninstallerTest, ARemovalStoppedAfterAnyStepCompletesWhenRunAgain) {
  Write("Vok/.keep", "");
  const std::string before = Listing();
  for (int stopAt = 0; stopAt < 6; ++stopAt) {
    Install("A", {{"Vok/x.dll", "x"}, {"Kurs/a.dat", "a"}, {"Kurs/Sub/b.dat", "b"}});
    {
      TUninstaller stopped(records_, "A");
      int steps = 0;
      stopped.SetBeforeStep([&](const std::string&) {
        if (steps++ == stopAt) throw Exception("killed");
      });
      EXPECT_THROW(stopped.Run(false), Exception) << stopAt;
    }
    TUninstaller(records_, "A").Run(false);
    EXPECT_EQ(Listing(), before) << stopAt;
  }
}

// What a removal left in use goes once it is free: the file, then each folder only when empty;
// a name already gone is passed over.
TEST_F(UninstallerTest, WhatWasLeftInUseGoesAndFoldersOnlyWhenEmpty) {
  Write("Vok/A/cdrun.exe", "program");
  Write("Vok/other.txt", "stays");
  TUninstaller::RemoveLeftInUse(
      {Windows("Vok/A/cdrun.exe"), Windows("Vok/A/gone.exe"), Windows("Vok/A"), Windows("Vok")});
  EXPECT_FALSE(fs::exists(dir_.Path() / "Vok/A"));
  EXPECT_TRUE(fs::exists(dir_.Path() / "Vok/other.txt"));
}

TEST_F(UninstallerTest, AnApplicationWithoutARecordIsNamed) {
  EXPECT_EQ(test::MessageOf([&] { TUninstaller(records_, "Nope"); }),
            "No application \"Nope\" is recorded as installed (no \"" + records_ +
                "Nope\\InstallRecord.otx\")");
}

}  // namespace
}  // namespace cd
