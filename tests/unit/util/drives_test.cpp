#include "util/drives.h"

#include <gtest/gtest.h>

#include "platform/drive_map.h"
#include "platform/drives.h"
#include "support/temp_dir.h"
#include "util/whole_file.h"

namespace cd {
namespace {

TEST(Drives, TheSystemDriveIsNoCDRom) {
  EXPECT_FALSE(IsCDRomDrive('C'));
}

#ifndef _WIN32
// On POSIX a drive is a CD-ROM when it is mapped as one; its label lives in the root.
TEST(Drives, MappedCDRomWithLabelInBothCases) {
  test::TempDir dir;
  StringToFile("Course Disc 1\r\n", dir.File(".windows-label"));
  os::MapDrive('Q', dir.Path().string(), os::DriveType::CDRom);
  EXPECT_TRUE(IsCDRomDrive('Q'));
  EXPECT_TRUE(IsCDRomDrive('q'));
  EXPECT_EQ(GetVolumeLabel('q'), "course disc 1");
  EXPECT_EQ(GetVolumeLabel('Q'), "COURSE DISC 1");
  os::UnmapDrive('Q');
  EXPECT_FALSE(IsCDRomDrive('Q'));
  EXPECT_EQ(GetVolumeLabel('Q'), "");
}
#endif

}  // namespace
}  // namespace cd
