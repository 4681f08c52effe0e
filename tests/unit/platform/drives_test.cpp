#include "platform/drives.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/drive_map.h"
#include "platform/files.h"
#include "unit/platform/win_temp.h"

namespace cd::os {
namespace {

TEST(Drives, TheProgramsDriveIsReadable) {
  const std::string root = ProgramPath().substr(0, 3);
  EXPECT_EQ(DriveTypeOf(root), DriveType::Fixed) << root;
  EXPECT_TRUE(VolumeLabelOf(root).has_value()) << root;
}

TEST(Drives, MissingDrivesHaveNoRoot) {
  EXPECT_EQ(DriveTypeOf("not a root"), DriveType::NoRootDir);
#ifndef _WIN32
  UnmapDrive('K');
  EXPECT_EQ(DriveTypeOf("K:\\"), DriveType::NoRootDir);
  EXPECT_FALSE(VolumeLabelOf("K:\\"));
#endif
}

#ifndef _WIN32
TEST(Drives, MappedDrivesCarryTheirKindAndLabel) {
  test::TempDir disc;
  MapDrive('K', disc.Path().string(), DriveType::CDRom);
  EXPECT_EQ(DriveTypeOf("k:\\"), DriveType::CDRom);
  EXPECT_EQ(VolumeLabelOf("K:\\"), "");
  std::ofstream(disc.File(".windows-label")) << "COURSE_CD\r\nignored";
  EXPECT_EQ(VolumeLabelOf("K:\\"), "COURSE_CD");
  MapDrive('K', disc.Path().string());
  EXPECT_EQ(DriveTypeOf("K:\\"), DriveType::Fixed);
  UnmapDrive('K');
}
#endif

}  // namespace
}  // namespace cd::os
