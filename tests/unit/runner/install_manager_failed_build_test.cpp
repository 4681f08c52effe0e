// A build that fails part way, against a source that vanishes, a configuration in use or a
// full disk: every output is left whole or as it was, and no unfinished copy stays behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "install/datum_value.h"
#include "install/file_group.h"
#include "install/files_manager.h"
#include "install_manager_fixture.h"
#include "media/run_cdrom.h"
#include "media/run_data.h"
#include "platform/files.h"
#include "support/hook_guard.h"
#include "support/message_of.h"

#ifndef _WIN32
#include "support/file_size_limit.h"
#endif

namespace cd {
namespace {

using test::HookGuard;
using test::MessageOf;
using test::Repeated;

// Text that does not compress: its packed form is larger than itself.
std::string Incompressible(size_t size) {
  std::string s;
  for (uint32_t x = 12345; s.size() < size;) {
    x = x * 1103515245u + 12345u;
    s += static_cast<char>('!' + (x >> 16) % 90);
  }
  return s;
}

// What stops a build, and the output (below out\) at which it stops.
enum class Obstacle { SourceVanishes, NoRoomLeft, ConfigInUse };
struct BuildFailure {
  const char* name;
  Obstacle obstacle;
  std::string failing;
};
void PrintTo(const BuildFailure& failure, std::ostream* out) {
  *out << failure.name;
}

// A build of a small file, the failing output and another small file; the configuration of an
// earlier build lies in out\.
class FailedBuildTest : public ::testing::TestWithParam<BuildFailure>,
                        public test::InstallManagerFixture {
 protected:
  static constexpr const char* kOldConfig = "the configuration of an earlier build";
  const std::string small = Repeated("small ", 100);
  const std::string large = Incompressible(5000);

  void Describe() {
    AddDatum("a.txt", small);
    medium_ = AddMedium("DISC", {"a.txt", "c.txt"});
    const std::string& failing = GetParam().failing;
    if (failing == "prg/big.ex_") AddDatum("big.exe", large);
    if (failing == "prg/big.dat")
      AddDatum("big.dat", large)->SetFlags(SetBit(fg_SingleNotCompress));
    if (failing == "prg/big.grp") {
      new TDatumValue(new TFileGroup(&Files(), "big.grp"), "member.dat");
      WriteSource("member.dat", large);
    }
    if (failing == "run.cfg") medium_->RunData().SetAskPathNameDescr(large);  // packed
    if (Files().ChildCount() == 2)
      medium_->Files().Add(static_cast<TFileItem*>(Files().Child(1))->Path());
    AddDatum("c.txt", small);
    std::ofstream(OutFile("run.cfg"), std::ios::binary) << kOldConfig;
  }

  // Runs the build as a parent converter does, with the obstacle set up after the check.
  std::string BuildAgainstObstacle() {
    HookGuard choose(OnAdjustInstaller(),
                     [this](TInstallManager& manager) { manager.SetCDRom(medium_); });
    Manager().BeforeExecute();
    switch (GetParam().obstacle) {
      case Obstacle::SourceVanishes:
        std::filesystem::remove(SourceFile("big.exe"));
        break;
      case Obstacle::ConfigInUse:
        inUse_ =
            os::OpenFile(Manager().ConfigFileName(), os::OpenMode::Read, os::ShareMode::DenyWrite);
        break;
      case Obstacle::NoRoomLeft:
#ifndef _WIN32
        // Room for everything but the large file.
        limit_ = std::make_unique<test::FileSizeLimit>(3000);
#endif
        break;
    }
    const std::string failure = MessageOf([&] { Manager().Execute(); });
    inUse_.reset();
#ifndef _WIN32
    limit_.reset();
#endif
    return failure;
  }

  // Files with the temporary names of unfinished outputs below out\.
  std::set<std::string> Leftovers() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(OutFile("")))
      if (entry.path().filename().string().find(".~") != std::string::npos)
        names.insert(entry.path().filename().string());
    return names;
  }

  TRunCDRom* medium_ = nullptr;
  std::unique_ptr<os::File> inUse_;
#ifndef _WIN32
  std::unique_ptr<test::FileSizeLimit> limit_;
#endif
};

TEST_P(FailedBuildTest, LeavesEveryOutputWholeOrAsItWas) {
  Describe();
  BuildAgainstObstacle();  // fails the test where the build goes through
  EXPECT_EQ(ReadHost(OutFile("prg/a.txt")), small);
  EXPECT_EQ(ReadHost(OutFile("run.cfg")), kOldConfig);
  if (GetParam().failing != "run.cfg") {
    EXPECT_FALSE(HostExists(OutFile(GetParam().failing)));
    EXPECT_FALSE(HostExists(OutFile("prg/c.txt")));
  }
  EXPECT_EQ(Leftovers(), std::set<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Obstacles, FailedBuildTest,
    ::testing::Values(BuildFailure{"SourceVanishes", Obstacle::SourceVanishes, "prg/big.ex_"},
                      BuildFailure{"ConfigurationInUse", Obstacle::ConfigInUse, "run.cfg"}
#ifndef _WIN32
                      ,
                      BuildFailure{"NoRoomForPackedFile", Obstacle::NoRoomLeft, "prg/big.ex_"},
                      BuildFailure{"NoRoomForCopiedFile", Obstacle::NoRoomLeft, "prg/big.dat"},
                      BuildFailure{"NoRoomForGroupFile", Obstacle::NoRoomLeft, "prg/big.grp"},
                      BuildFailure{"NoRoomForConfiguration", Obstacle::NoRoomLeft, "run.cfg"}
#endif
                      ),
    [](const ::testing::TestParamInfo<BuildFailure>& info) {
      return std::string(info.param.name);
    });

}  // namespace
}  // namespace cd
