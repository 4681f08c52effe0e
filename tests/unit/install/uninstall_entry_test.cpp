// The uninstall entry through the platform's registry (on POSIX the drive map's registry file
// on a drive C: of the test's own): the version and the publisher are written when the
// configuration gives them and left out when not, also by a later run that drops them.
#include "install/uninstall_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "install/install_classes.h"
#include "install/install_record.h"
#include "platform/drive_map.h"
#include "platform/registry.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

class UninstallEntryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterInstallClasses(); }
  void SetUp() override { os::MapDrive('C', dir_.Path().string()); }
  void TearDown() override {
    RemoveUninstallEntry(kApp);
    os::MapDrive('C', previousC_);
  }

  // The value under whichever root took the entry.
  static std::optional<std::string> Value(const std::string& name) {
    for (os::RegistryRoot root : {os::RegistryRoot::LocalMachine, os::RegistryRoot::CurrentUser})
      if (auto value = os::ReadRegistryString(root, UninstallKey(kApp), name)) return value;
    return std::nullopt;
  }

  static constexpr const char* kApp = "CdTest_Entry_A1";
  const std::string previousC_ = os::DriveHostFolder('C');
  test::TempDir dir_;
};

TEST_F(UninstallEntryTest, VersionAndPublisherAreWrittenOnlyWhenGiven) {
  TInstallRecord record(nullptr);
  record.SetAppName(kApp);
  record.SetTitle("Course");
  record.SetDisplayVersion("2.1");
  record.SetPublisher("Tarnwell");
  const TUninstallCommand command{"C:\\WINDOWS\\Vok\\CdTest_Entry_A1\\cdrun.exe"};
  ASSERT_TRUE(WriteUninstallEntry(record, command, "20261210"));
  EXPECT_EQ(Value("DisplayName"), "Course");
  EXPECT_EQ(Value("DisplayVersion"), "2.1");
  EXPECT_EQ(Value("Publisher"), "Tarnwell");

  // A later run from a configuration without them leaves nothing of the earlier values.
  record.SetDisplayVersion("");
  record.SetPublisher("");
  ASSERT_TRUE(WriteUninstallEntry(record, command, "20261211"));
  EXPECT_EQ(Value("DisplayName"), "Course");
  EXPECT_EQ(Value("InstallDate"), "20261211");
  EXPECT_EQ(Value("DisplayVersion"), std::nullopt);
  EXPECT_EQ(Value("Publisher"), std::nullopt);
}

}  // namespace
}  // namespace cd
