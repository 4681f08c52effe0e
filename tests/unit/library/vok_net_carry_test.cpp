// Carrying "VokNet.ini" from beside the network installation to the workstation.
#include "library/vok_net_carry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "library/library_classes.h"
#include "library/vok_net_envir.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/message_of.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

TEST(NetEnvirFolder, FolderAboveTheConfigurationsFolder) {
  EXPECT_EQ(NetEnvirFolder("X:\\NET\\COURSE\\run.cfg"), "X:\\NET\\");
  EXPECT_EQ(NetEnvirFolder("C:\\run.cfg"), "");
  EXPECT_EQ(NetEnvirFolder("http://host/cd/run.cfg"), "");
}

TEST(CarryNetEnvir, FillsTheThreePathsAndKeepsTheRest) {
  RegisterLibraryClasses();
  test::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "NET" / "COURSE");
  std::filesystem::create_directories(dir.Path() / "ws");
  const std::string root = os::IncludeTrailingBackslash(os::WindowsPath(dir.Path().string()));
  TVokNetEnvir net(nullptr);
  net.SetBasicPath("B:\\");
  net.SetLang("CZ");
  os::WriteWholeFile(root + "NET\\VokNet.ini", ObjectToString(&net));

  ASSERT_TRUE(CarryNetEnvir(root + "NET\\COURSE\\run.cfg", root + "ws\\Vok\\"));
  std::unique_ptr<TComponent> copy =
      StringToObject(os::ReadWholeFile(root + "ws\\Vok\\VokNet.ini"));
  auto* result = dynamic_cast<TVokNetEnvir*>(copy.get());
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->NetDiskPath(), root + "NET\\COURSE\\");
  EXPECT_EQ(result->NetVolLab(), "COURSE");
  EXPECT_EQ(result->NetUserDir(), root + "NET\\Users\\");
  EXPECT_EQ(result->BasicPath(), "B:\\");
  EXPECT_EQ(result->Lang(), "CZ");
}

TEST(CarryNetEnvir, NothingWithoutASettingsFile) {
  test::TempDir dir;
  const std::string root = os::IncludeTrailingBackslash(os::WindowsPath(dir.Path().string()));
  EXPECT_FALSE(CarryNetEnvir(root + "a\\b\\run.cfg", root + "ws\\"));
  EXPECT_FALSE(os::FileExists(root + "ws\\VokNet.ini"));
}

// An empty settings file holds no object: the reader says so, and nothing is written.
TEST(CarryNetEnvir, EmptySettingsFileFailsAsTheReaderSays) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "NET" / "COURSE");
  const std::string root = os::IncludeTrailingBackslash(os::WindowsPath(dir.Path().string()));
  os::WriteWholeFile(root + "NET\\VokNet.ini", "");
  EXPECT_EQ(test::MessageOf([&] { CarryNetEnvir(root + "NET\\COURSE\\run.cfg", root + "ws\\"); }),
            "VMConfig.ReadObject: L.count<>1");
  EXPECT_FALSE(os::FileExists(root + "ws\\VokNet.ini"));
}

}  // namespace
}  // namespace cd
