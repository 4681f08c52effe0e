// Group members on the user's disk: the flags that pack or unpack a member's data on its way
// from the group file, and the content and date every member's file ends with.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "config/config_io.h"
#include "engine_fixture.h"
#include "install/component_list.h"
#include "install/datum_value.h"
#include "install/file_group.h"
#include "install/install_classes.h"
#include "install/install_manager_link.h"
#include "platform/files.h"
#include "streams/packed_stream.h"
#include "support/packed_data.h"

namespace cd::test {
namespace {

constexpr TFileFlags kInGroupPacked = SetBit(fg_GroupItemCompress);
constexpr TFileFlags kPackOnDisk = SetBit(fg_GroupItemCompressToUserDisk);
constexpr TFileFlags kUnpackOnDisk = SetBit(fg_GroupItemDeompressToUserDisk);

// Compressible text that differs per seed, so that members cannot stand in for each other.
std::string Content(size_t size, int seed) {
  std::string s;
  for (int i = 0; s.size() < size; ++i)
    s += "member " + std::to_string(seed) + ", line " + std::to_string(i % 53) + "\r\n";
  s.resize(size);
  return s;
}

bool StartsWithSignature(const std::string& data) {
  return data.size() >= 4 && std::equal(kPackedSignature, kPackedSignature + 4,
                                        reinterpret_cast<const uint8_t*>(data.data()));
}

struct Member {
  const char* name;
  TFileFlags flags;
  size_t size;
  bool packedOnDisk;         // what the flags ask the file on the user's disk to be
  bool looksPacked = false;  // the content begins with the packing signature
};

// The flags of a member and what lands on the disk. Data of 1000 bytes or less is never
// packed, so asking to pack it leaves it plain.
const std::vector<Member>& Members() {
  static const std::vector<Member> members = {
      {"plain.txt", 0, 3000, false},
      {"packed.txt", kInGroupPacked, 3000, true},
      {"packondisk.txt", kPackOnDisk, 3000, true},
      {"staypacked.txt", kInGroupPacked | kPackOnDisk, 3000, true},
      {"unpackondisk.txt", kInGroupPacked | kUnpackOnDisk, 3000, false},
      {"stayplain.txt", kUnpackOnDisk, 3000, false},
      {"bothflags.txt", kInGroupPacked | kPackOnDisk | kUnpackOnDisk, 3000, true},
      {"bothplain.txt", kPackOnDisk | kUnpackOnDisk, 3000, true},
      {"limit.txt", kPackOnDisk, 1000, false},
      {"overlimit.txt", kPackOnDisk, 1001, true},
      {"smallpacked.txt", kInGroupPacked | kUnpackOnDisk, 400, false},
      // Content that merely looks packed must not be taken for packed data.
      {"signedplain.txt", 0, 12, false, true},
      {"signedunpack.txt", kUnpackOnDisk, 12, false, true},
      {"signedsmallpacked.txt", kInGroupPacked | kUnpackOnDisk, 12, false, true},
      {"signedlargeunpack.txt", kUnpackOnDisk, 3000, false, true},
      {"signedpackondisk.txt", kPackOnDisk, 12, true, true},
  };
  return members;
}

std::string MemberContent(const Member& m, int seed) {
  std::string s = Content(m.size, seed);
  if (m.looksPacked) std::copy(kPackedSignature, kPackedSignature + 4, s.begin());
  return s;
}

// Parameter: the group's own flags (the group file packed as a whole or not).
class GroupFlagsTest : public ::testing::TestWithParam<TFileFlags> {
 protected:
  void SetUp() override { RegisterInstallClasses(); }

  // Builds the group onto the medium on jobs threads and hands it to the installing manager.
  void BuildGroup(unsigned jobs = 1) {
    BuildRoot root(fx_.DiskPath() + "src\\", fx_.MediumPath());
    auto* files = new TFilesManager(&root);
    auto* group = new TFileGroup(files, "members.grp");
    group->SetFlags(GetParam());
    int seed = 0;
    for (const Member& m : Members()) {
      auto* member = new TDatumValue(group, m.name);
      member->SetInstalTarget("Disk");
      member->SetFlags(m.flags);
      EngineFixture::WriteFile(fx_.DiskFile(std::string("src/") + m.name), MemberContent(m, ++seed),
                               EngineFixture::Day(3));
    }
    files->StoreAllFileInfo();
    files->PackAll(jobs);
    groupFile_ = group->GetFileName(kFileBuildDest);
    HandOver(*group, *install_);
  }

  std::string groupFile_;
  EngineFixture fx_;
  std::unique_ptr<TFilesManager> install_ = fx_.NewFilesManager("target\\");

  RecordingCallback callback_;
};

TEST_P(GroupFlagsTest, EachMemberLandsInTheFormItsFlagsAskFor) {
  BuildGroup();
  install_->PrepareUpdate(&callback_);
  install_->Update(&callback_);
  int seed = 0;
  for (const Member& m : Members()) {
    SCOPED_TRACE(m.name);
    const std::string source = MemberContent(m, ++seed);
    const std::string onDisk =
        EngineFixture::ReadFile(fx_.DiskFile(std::string("target/") + m.name));
    EXPECT_EQ(StartsWithSignature(onDisk), m.packedOnDisk || m.looksPacked);
    if (m.packedOnDisk) {
      // Packed once: unpacking gives the source, not another packed form of it.
      if (!m.looksPacked) {
        EXPECT_LT(onDisk.size(), source.size());
      }
      EXPECT_EQ(Unpacked(onDisk), source);
    } else {
      EXPECT_EQ(onDisk, source);
    }
    EXPECT_EQ(os::FileAge(fx_.DiskPath() + "target\\" + m.name), EngineFixture::Day(3));
  }
}

// Members made side by side on several threads give the same group file as one by one.
TEST_P(GroupFlagsTest, SeveralThreadsWriteTheSameGroupFile) {
  BuildGroup(1);
  const std::string serial = os::ReadWholeFile(groupFile_);
  BuildGroup(4);
  EXPECT_EQ(os::ReadWholeFile(groupFile_), serial);
}

INSTANTIATE_TEST_SUITE_P(GroupForms, GroupFlagsTest,
                         ::testing::Values(TFileFlags{0}, SetBit(fg_GroupNotCompress)),
                         [](const ::testing::TestParamInfo<TFileFlags>& info) {
                           return std::string(info.param ? "UnpackedGroup" : "PackedGroup");
                         });

}  // namespace
}  // namespace cd::test
