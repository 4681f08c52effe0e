// A medium built with its sums and run: verified end to end; a changed byte in a stored file
// (large enough to be hashed on the worker thread while it is copied), a packed file, a group
// file or the configuration, a truncated file and a missing line each fail the run naming the
// file and leave the installed files as they were; a medium without sums installs as before;
// IgnoreUserInstallError lets the run go on; with the publisher's key, signed sums are
// required and checked before the configuration is read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fake_views.h"
#include "install/datum_value.h"
#include "install/file_group.h"
#include "install/files_manager.h"
#include "install/hooks.h"
#include "install_manager_fixture.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/signature.h"
#include "runner/medium_sums_writer.h"
#include "runner/run_outcome.h"
#include "support/hook_guard.h"
#include "support/test_keys.h"

namespace cd {
namespace {

namespace fs = std::filesystem;
using test::Day;
using test::Repeated;

enum class Damage { None, Stored, Packed, Group, Config, Truncated, MissingLine, NoSums };

struct DamageCase {
  Damage damage;
  const char* name;
  const char* shown;  // what the user is shown contains this; nullptr: the run succeeds
  int failsAt;        // the first installed file (of kInstalled) the failure leaves as it was
};

const DamageCase kDamages[] = {
    {Damage::None, "None", nullptr, 4},
    {Damage::NoSums, "NoSums", nullptr, 4},
    {Damage::Stored, "Stored", "prg/Verified/stored.txt\" is damaged on the medium (SHA-256 ", 0},
    {Damage::Packed, "Packed", "prg/Verified/packed.txt\" is damaged on the medium (SHA-256 ", 1},
    {Damage::Group, "Group", "prg/Verified/help.grp\" is damaged on the medium (SHA-256 ", 2},
    {Damage::Config, "Config", "run.cfg\" is damaged on the medium (SHA-256 ", 0},
    {Damage::Truncated, "Truncated", "prg/Verified/packed.txt\" is damaged on the medium", 1},
    {Damage::MissingLine, "MissingLine",
     "prg/Verified/stored.txt\" is not listed in \"SHA256SUMS\" of the medium", 0},
};

const char* const kInstalled[] = {"stored.txt", "packed.txt", "a.txt", "b.txt"};
const std::string kContents[] = {
    Repeated("a stored file ", 200000), Repeated("a packed file ", 6000),
    Repeated("Verified\\a.txt", 3000), Repeated("Verified\\b.txt", 3000)};

class VerifiedMediumTest : public ::testing::Test, public test::InstallManagerFixture {
 protected:
  void SetUp() override {
    AddDatum("Verified\\stored.txt", kContents[0])->SetFlags(SetBit(fg_SingleNotCompress));
    AddDatum("Verified\\packed.txt", kContents[1]);
    auto* group = new TFileGroup(&Files(), "Verified\\help.grp");
    for (int i : {2, 3}) {
      const std::string name = std::string("Verified\\") + kInstalled[i];
      new TDatumValue(group, name);
      WriteSource(name, kContents[i], Day(3));
    }
    Build(
        AddMedium("VERIFIED", {"Verified\\stored.txt", "Verified\\packed.txt", "Verified\\a.txt"}));
    // What an earlier installation left: older files, which the run replaces.
    for (const char* name : kInstalled) {
      const std::string target = Target(name);
      os::ForceDirectories(os::ExtractFilePath(target));
      os::WriteWholeFile(target, "old");
      os::SetFileDate(target, Day(1));
    }
  }

  void TearDown() override {
    for (const char* name : kInstalled) os::DeleteFile(Target(name));
  }

  static std::string Target(const std::string& name) {
    return TFilesManager::GetDirectory(kDirWindowsVok) + "Verified\\" + name;
  }

  static void ChangeByte(const std::string& host, size_t at) {
    std::fstream file(host, std::ios::in | std::ios::out | std::ios::binary);
    file.seekg(static_cast<std::streamoff>(at));
    const char c = static_cast<char>(file.get());
    file.seekp(static_cast<std::streamoff>(at));
    file.put(static_cast<char>(c ^ 0x20));
  }

  void Apply(Damage damage) {
    const std::string sums = OutFile("SHA256SUMS");
    switch (damage) {
      case Damage::Stored:
        ChangeByte(OutFile("prg/Verified/stored.txt"), 150000);
        break;
      case Damage::Packed:
        ChangeByte(OutFile("prg/Verified/packed.txt"),
                   fs::file_size(OutFile("prg/Verified/packed.txt")) - 2);
        break;
      case Damage::Group:
        ChangeByte(OutFile("prg/Verified/help.grp"), 40);
        break;
      case Damage::Config:
        ChangeByte(OutFile("run.cfg"), 20);
        break;
      case Damage::Truncated:
        fs::resize_file(OutFile("prg/Verified/packed.txt"), 100);
        break;
      case Damage::MissingLine: {
        std::string text = ReadHost(sums);
        const size_t at = text.find("  prg/Verified/stored.txt\n");
        text.erase(at - 64, 64 + 26);
        std::ofstream(sums, std::ios::binary) << text;
        break;
      }
      case Damage::NoSums:
        fs::remove(sums);
        break;
      case Damage::None:
        break;
    }
  }

  TRunOutcome Run(const std::string& publicKey = {}) {
    TRunnerViews views;
    views.progress = [this] { return std::make_unique<test::FakeProgressView>(progress_); };
    views.choice = [this] { return std::make_unique<test::FakeChoiceView>(0, choices_, calls_); };
    const auto show = [this](const std::exception& e) { shown_.push_back(e.what()); };
    views.showError = show;
    TRunner runner(std::move(views));
    runner.SetPublicKey(publicKey);
    test::HookGuard messages(OnShowMessage(),
                             [this](const std::string& text) { shown_.push_back(text); });
    return RunAndReport(runner, Manager().ConfigFileName(), show);
  }

  std::string Installed(const std::string& name) const { return os::ReadWholeFile(Target(name)); }

  test::ProgressRecord progress_;
  std::vector<std::string> choices_;
  int calls_ = 0;
  std::vector<std::string> shown_;
};

class VerifiedMediumDamageTest : public VerifiedMediumTest,
                                 public ::testing::WithParamInterface<DamageCase> {};

TEST_P(VerifiedMediumDamageTest, FailsNamingTheFileAndLeavesTheInstalledFiles) {
  ASSERT_EQ(fs::file_size(OutFile("prg/Verified/stored.txt")), kContents[0].size());  // stored
  Apply(GetParam().damage);
  const TRunOutcome outcome = Run();
  if (GetParam().shown) {
    EXPECT_EQ(outcome, TRunOutcome::Failed);
    ASSERT_FALSE(shown_.empty());
    EXPECT_NE(shown_[0].find(GetParam().shown), std::string::npos) << shown_[0];
  } else {
    EXPECT_EQ(outcome, TRunOutcome::Done) << (shown_.empty() ? "" : shown_[0]);
  }
  // The items are installed in order; the run ends at the failing one.
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Installed(kInstalled[i]), i < GetParam().failsAt ? kContents[i] : "old")
        << kInstalled[i];
  }
}

INSTANTIATE_TEST_SUITE_P(Damages, VerifiedMediumDamageTest, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<DamageCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(VerifiedMediumTest, IgnoreUserInstallErrorGoesOnPastADamagedFile) {
  auto* stored = dynamic_cast<TDatumValue*>(Files().FindItem("Verified\\stored.txt"));
  stored->SetIgnoreUserInstallError(true);
  Build(AddMedium("AGAIN", {"Verified\\stored.txt", "Verified\\packed.txt"}));
  Apply(Damage::Stored);
  EXPECT_EQ(Run(), TRunOutcome::Done);
  EXPECT_EQ(Installed("stored.txt"), "old");
  EXPECT_EQ(Installed("packed.txt"), kContents[1]);
}

// The signature by openssl itself is checked in the platform tests and end to end.
TEST_F(VerifiedMediumTest, WithTheKeySignedSumsAreRequired) {
  const std::string config = Manager().ConfigFileName();
  const std::string signature = OutFile("SHA256SUMS.sig");
  EXPECT_EQ(Run(test::kPublicKeyA), TRunOutcome::Failed);  // not signed
  EXPECT_NE(shown_.back().find("SHA256SUMS.sig\" cannot be read"), std::string::npos)
      << shown_.back();

  SignMediumSums(config, test::kPrivateKeyB);
  EXPECT_EQ(Run(test::kPublicKeyA), TRunOutcome::Failed);
  EXPECT_NE(shown_.back().find("was not made with the publisher's key"), std::string::npos);
  std::ofstream(signature, std::ios::binary) << "garbage";
  EXPECT_EQ(Run(test::kPublicKeyA), TRunOutcome::Failed);
  EXPECT_NE(shown_.back().find("was not made with the publisher's key"), std::string::npos);
  EXPECT_EQ(calls_, 0);  // refused before the configuration was read
  EXPECT_EQ(Installed("stored.txt"), "old");

  SignMediumSums(config, test::kPrivateKeyA);
  fs::remove(OutFile("SHA256SUMS"));
  EXPECT_EQ(Run(test::kPublicKeyA), TRunOutcome::Failed);
  EXPECT_NE(shown_.back().find("carries no signed sums"), std::string::npos) << shown_.back();

  Build(AddMedium("SIGNED", {"Verified\\stored.txt"}));
  EXPECT_FALSE(fs::exists(signature));  // a new build leaves no stale signature
  SignMediumSums(config, test::kPrivateKeyA);
  EXPECT_EQ(Run(test::kPublicKeyA), TRunOutcome::Done) << shown_.back();
  EXPECT_EQ(Installed("stored.txt"), kContents[0]);
}

}  // namespace
}  // namespace cd
