// Values derived from stored keys: the names of a file, its name on the medium, the readable
// time and version, the needed flag over members, and copying run data.
#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "install/file_group.h"
#include "install/files_manager_run_data.h"
#include "install/packed_name.h"
#include "install/version_value.h"
#include "support/message_of.h"

namespace cd {
namespace {

TEST(FileNamesTest, SourceAndDestinationSplitAtTheFirstEquals) {
  TFileItem split(nullptr, "a.exe=b.exe");
  EXPECT_EQ(split.SourceName(), "a.exe");
  EXPECT_EQ(split.DestName(), "b.exe");
  TFileItem single(nullptr, "lib\\x.dll");
  EXPECT_EQ(single.SourceName(), "lib\\x.dll");
  EXPECT_EQ(single.DestName(), "lib\\x.dll");
  TFileItem twice(nullptr, "a=b=c");
  EXPECT_EQ(twice.SourceName(), "a");
  EXPECT_EQ(twice.DestName(), "b=c");
}

TEST(FileNamesTest, PackedNameChangesOnlyLowerCaseProgramExtensions) {
  EXPECT_EQ(PackedName("b.exe"), "b.ex_");
  EXPECT_EQ(PackedName("lib\\x.dll"), "lib\\x.dl_");
  EXPECT_EQ(PackedName("x.bpl"), "x.bp_");
  EXPECT_EQ(PackedName("X.EXE"), "X.EXE");
  EXPECT_EQ(PackedName("read.txt"), "read.txt");
  EXPECT_EQ(PackedName("x.exec"), "x.exec");
  EXPECT_EQ(PackedName("dir.exe\\file"), "dir.exe\\file");
  EXPECT_EQ(PackedName("noext"), "noext");
  EXPECT_EQ(PackedName(""), "");
}

TEST(FileNamesTest, IsNeededLooksThroughMembersAtAnyDepth) {
  TFileGroup group(nullptr);
  auto* first = new TDatumValue(&group);
  auto* nested = new TFileItem(&group);
  auto* deep = new TDatumValue(nested);
  EXPECT_FALSE(group.IsNeeded());
  deep->SetNeeded(true);
  EXPECT_TRUE(group.IsNeeded());
  EXPECT_FALSE(first->IsNeeded());
  EXPECT_FALSE(group.Needed());
}

TEST(DerivedTextTest, TimeAsTextShowsTheDosDateTime) {
  TDatumValue value(nullptr);
  EXPECT_EQ(value.TimeAsText(), "");
  value.SetTime((21 << 25) | (3 << 21) | (5 << 16) | (9 << 11) | (7 << 5) | 4);
  EXPECT_EQ(value.TimeAsText(), "05/03/2001 09:07:08");
  value.SetTime(0x00210000 | 0xBFFF);  // hour 23, minute 63: no valid time
  EXPECT_EQ(value.TimeAsText(), "");
}

TEST(DerivedTextTest, VersionShowsBothHalvesAsUnsignedWords) {
  TVersionValue value(nullptr);
  EXPECT_EQ(value.Version(), "");
  EXPECT_EQ(value.Version64(), 0);
  value.SetVer1(1);
  EXPECT_EQ(value.Version(), "0.0.0.1");
  value.SetVersion64(static_cast<int64_t>(0xFFFE000200030004ull));
  EXPECT_EQ(value.Ver2(), static_cast<int32_t>(0xFFFE0002u));
  EXPECT_EQ(value.Ver1(), 0x00030004);
  EXPECT_EQ(value.Version(), "65534.2.3.4");
  EXPECT_LT(value.Version64(), 0);  // compared as signed 64-bit values
}

TEST(RunDataTest, AssignCopiesEveryKeyButNotTheOwner) {
  TFilesManagerRunData source(nullptr);
  source.SetInstallLang("CZ");
  source.SetOptions(SetBit(ro_InstallMediaPlayer));
  source.SetAskPathName("DataPath");
  source.SetAskPathNameDescr("\"EN=Data\"");
  TFileItem owner(nullptr);
  TFilesManagerRunData dest(&owner);
  dest.Assign(source);
  EXPECT_EQ(dest.InstallLang(), "CZ");
  EXPECT_TRUE(InSet(dest.Options(), ro_InstallMediaPlayer));
  EXPECT_FALSE(InSet(dest.Options(), ro_InstallDirectX));
  EXPECT_EQ(dest.AskPathName(), "DataPath");
  EXPECT_EQ(dest.AskPathNameDescr(), "\"EN=Data\"");
  EXPECT_EQ(dest.GetOwner(), &owner);
  EXPECT_EQ(test::MessageOf<EConvertError>([&] { dest.Assign(owner); }),
            "Cannot assign a TFileItem to a TFilesManagerRunData");
}

}  // namespace
}  // namespace cd
