// The install record built from a run's events over real files: what each event adds, what an
// earlier record keeps, and the record file read back.
#include "install/install_recorder.h"

#include <gtest/gtest.h>

#include "install/install_classes.h"
#include "install/install_record.h"
#include "install/log_event.h"
#include "install/recorded_file.h"
#include "install/recorded_registration.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

class InstallRecorderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterInstallClasses(); }

  // The Windows name of a file in the temporary folder, written with data when given.
  std::string Disk(const std::string& name, const char* data = nullptr) const {
    const std::string windows = os::WindowsPath(dir_.File(name));
    // Written through the platform, as the engine writes, so that its view of folders holds.
    if (data) {
      os::ForceDirectories(os::ExtractFilePath(windows));
      os::WriteWholeFile(windows, data);
    }
    return windows;
  }

  static TLogEvent Copy(const std::string& target) {
    return TLogEvent("copy").Str("item", "x").Str("target", target).Int("bytes", 1);
  }

  test::TempDir dir_;
  std::string records_ = os::IncludeTrailingBackslash(os::WindowsPath(dir_.File("Vok")));
};

TEST_F(InstallRecorderTest, CopiesAreRecordedWithSizeDateAndDigestAndReadBack) {
  const std::string viewer = Disk("Vok/Pagent/pgt2.exe", "abc");
  TInstallRecorder recorder(records_, "Anglictina_A7");
  EXPECT_FALSE(recorder.Installed());
  recorder.Take(TLogEvent("destination").Str("target", "DataPath").Str("path", "C:\\Kurs\\"));
  recorder.Take(TLogEvent("components").Int("files", 2).Str("lists", "a.lst,b.lst"));
  recorder.Take(Copy(viewer));
  ASSERT_TRUE(recorder.Installed());
  const std::string file = recorder.SaveIfInstalled();
  EXPECT_EQ(file, records_ + "Anglictina_A7\\InstallRecord.otx");

  const auto record = TInstallRecord::Load(file);
  EXPECT_EQ(record->AppName(), "Anglictina_A7");
  EXPECT_EQ(record->Destination(), "C:\\Kurs\\");
  EXPECT_EQ(record->Components().CommaText(), "a.lst,b.lst");
  ASSERT_EQ(record->FileCount(), 1);
  const TRecordedFile& recorded = record->File(0);
  EXPECT_EQ(recorded.Name(), viewer);
  EXPECT_EQ(recorded.Size(), 3);
  EXPECT_EQ(recorded.Date(), os::FileAge(viewer));
  EXPECT_EQ(recorded.Sha256(), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_TRUE(recorded.UnchangedOnDisk());
  Disk("Vok/Pagent/pgt2.exe", "abd");
  EXPECT_FALSE(recorded.UnchangedOnDisk());
  EXPECT_EQ(RecordedApplications(records_), std::vector<std::string>{"Anglictina_A7"});
}

TEST_F(InstallRecorderTest, NothingInstalledWritesNoRecord) {
  TInstallRecorder recorder(records_, "A");
  recorder.Take(TLogEvent("decision").Str("target", Disk("x.dat")).Bool("needed", false));
  EXPECT_EQ(recorder.SaveIfInstalled(), "");
  EXPECT_TRUE(RecordedApplications(records_).empty());
}

TEST_F(InstallRecorderTest, FoldersMissingBeforeTheUpdateAreRecordedParentsFirst) {
  Disk("Kurs/.keep", "");
  TInstallRecorder recorder(records_, "A");
  const std::string target = Disk("Kurs/Data/Deep/course.dat");
  recorder.Take(TLogEvent("decision").Str("target", target).Bool("needed", true));
  recorder.Take(TLogEvent("decision").Str("target", Disk("Kurs/Data/x.dat")).Bool("needed", true));
  const TStringList& folders = recorder.Record().Folders();
  ASSERT_EQ(folders.Count(), 2);
  EXPECT_EQ(folders.Strings(0), os::WindowsPath(dir_.File("Kurs/Data")));
  EXPECT_EQ(folders.Strings(1), os::WindowsPath(dir_.File("Kurs/Data/Deep")));
}

TEST_F(InstallRecorderTest, RegistrationsKeepTheirOrderOnce) {
  TInstallRecorder recorder(records_, "A");
  const TLogEvent program =
      TLogEvent("register").Str("program", "C:\\V\\srv.exe -regserver").Int("exit_code", 0);
  recorder.Take(program);
  recorder.Take(
      TLogEvent("register").Str("program", "C:\\S\\ctl.dll").Str("entry", "DllRegisterServer"));
  recorder.Take(program);
  const TInstallRecord& record = recorder.Record();
  ASSERT_EQ(record.RegistrationCount(), 2);
  EXPECT_EQ(record.Registration(0).Name(), "C:\\V\\srv.exe");
  EXPECT_FALSE(record.Registration(0).Library());
  EXPECT_EQ(record.Registration(1).Name(), "C:\\S\\ctl.dll");
  EXPECT_TRUE(record.Registration(1).Library());
}

TEST_F(InstallRecorderTest, CardAndSettingsAreTheApplicationsOnlyWhenItMadeThem) {
  struct Case {
    const char* existed;
    bool recorded;
  };
  for (const Case& c : {Case{"false", true}, Case{"true", false}}) {
    TInstallRecorder recorder(records_, "A");
    recorder.Take(TLogEvent("card-merge")
                      .Str("target", "C:\\c.a07")
                      .Bool("written", true)
                      .Str("existed", c.existed));
    recorder.Take(TLogEvent("settings")
                      .Str("target", "C:\\n.ini")
                      .Bool("written", true)
                      .Str("existed", c.existed));
    EXPECT_TRUE(recorder.Installed());
    EXPECT_EQ(recorder.Record().Cards().CommaText(), c.recorded ? "C:\\c.a07" : "") << c.existed;
    EXPECT_EQ(recorder.Record().Settings(), c.recorded ? "C:\\n.ini" : "") << c.existed;
  }
}

TEST_F(InstallRecorderTest, ALaterRunAddsToTheRecordAndUsesFilesOthersInstalled) {
  const std::string viewer = Disk("Vok/Pagent/pgt2.exe", "viewer");
  const std::string first = Disk("Kurs/a.dat", "a");
  {
    TInstallRecorder recorder(records_, "A");
    recorder.Take(Copy(viewer));
    recorder.Take(Copy(first));
    recorder.SaveIfInstalled();
  }
  const std::string second = Disk("Kurs/b.dat", "b");
  {
    // Another application finds the viewer up to date: it uses it as well.
    TInstallRecorder recorder(records_, "B");
    recorder.Take(TLogEvent("decision").Str("target", viewer).Bool("needed", false));
    recorder.Take(TLogEvent("decision").Str("target", second).Bool("needed", false));
    recorder.Take(Copy(second));
    recorder.SaveIfInstalled();
  }
  {
    TInstallRecorder recorder(records_, "A");
    EXPECT_EQ(recorder.Record().FileCount(), 2);
    recorder.Take(Copy(second));
    recorder.SaveIfInstalled();
  }
  EXPECT_EQ(TInstallRecord::Load(TInstallRecord::FileNameIn(records_, "A"))->FileCount(), 3);
  const auto b = TInstallRecord::Load(TInstallRecord::FileNameIn(records_, "B"));
  ASSERT_EQ(b->FileCount(), 2);
  EXPECT_EQ(b->File(0).Name(), viewer);
}

TEST(RecordFolderNameTest, CharactersNoFolderCanHoldBecomeUnderscores) {
  EXPECT_EQ(RecordFolderName("Nemcina_A8"), "Nemcina_A8");
  EXPECT_EQ(RecordFolderName("a\\b/c:d*?\"<>|\x01"), "a_b_c_d_______");
  EXPECT_EQ(RecordFolderName(".."), "_");
  EXPECT_EQ(RecordFolderName(""), "_");
}

}  // namespace
}  // namespace cd
