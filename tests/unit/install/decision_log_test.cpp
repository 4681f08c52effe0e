// The install log's decisions: one event for every item and member, with the reason of each
// rule of the update decision in words and figures.
#include <gtest/gtest.h>

#include <map>

#include "engine_fixture.h"
#include "install/decision_reasons.h"
#include "install/hooks.h"
#include "install/libman_info_value.h"
#include "install/log_event.h"
#include "install/version_value.h"
#include "support/disk_datum.h"
#include "support/hook_guard.h"
#include "support/pe_builder.h"

namespace cd::test {
namespace {

constexpr const char* kDay9 = "2020-01-09 12:00:00";
constexpr const char* kDay10 = "2020-01-10 12:00:00";
constexpr const char* kDay11 = "2020-01-11 12:00:00";

class DecisionLogTest : public ::testing::Test {
 protected:
  // item -> "needed|reason" of the decision events reported while preparing.
  std::map<std::string, std::string> Prepare() {
    std::map<std::string, std::string> decisions;
    HookGuard log(OnLogEvent(), [&](const TLogEvent& event) {
      if (event.Name() != "decision") return;
      decisions[event.Value("item")] = event.Value("needed") + "|" + event.Value("reason");
    });
    manager_->PrepareUpdate(nullptr);
    return decisions;
  }

  TVersionValue* Versioned(const std::string& path, int64_t version) {
    auto* item = new TVersionValue(manager_.get(), path);
    item->SetInstalTarget("Disk");
    item->SetTime(EngineFixture::Day(10));
    item->SetVersion64(version);
    return item;
  }

  EngineFixture fx_;
  std::unique_ptr<TFilesManager> manager_ = fx_.NewFilesManager();
};

TEST_F(DecisionLogTest, EveryRuleGivesItsReason) {
  for (const char* name : {"missing.txt", "older.txt", "same.txt", "newer.txt"})
    AddDiskDatum(manager_.get(), name, EngineFixture::Day(10), 10);
  AddDiskDatum(manager_.get(), "norecord.txt", 0, 10);
  EngineFixture::WriteFile(fx_.DiskFile("older.txt"), "x", EngineFixture::Day(9));
  EngineFixture::WriteFile(fx_.DiskFile("same.txt"), "x", EngineFixture::Day(10));
  EngineFixture::WriteFile(fx_.DiskFile("newer.txt"), "x", EngineFixture::Day(11));
  EngineFixture::WriteFile(fx_.DiskFile("norecord.txt"), "x", EngineFixture::Day(1));

  PeOptions options;
  options.fileVersion = MakeVersion(1, 2, 3, 4);
  const std::string image = BuildPeImage(options);
  Versioned("absent.dll", 0x0001000200030004LL);
  Versioned("same.dll", 0x0001000200030004LL);
  Versioned("higher.dll", 0x0001000100000000LL);
  Versioned("lower.dll", 0x0002000000000000LL);
  for (const char* name : {"same.dll", "higher.dll", "lower.dll"})
    EngineFixture::WriteFile(fx_.DiskFile(name), image, EngineFixture::Day(9));

  auto* group = new TFileGroup(manager_.get(), "g.grp");
  AddDiskDatum(group, "member.txt", EngineFixture::Day(10), 5);
  auto* card = new TLibmanInfoValue(manager_.get(), "card.a07");
  card->SetInstalTarget("Disk");

  const std::string older = std::string("medium date ") + kDay10 + " newer than installed " + kDay9;
  const std::map<std::string, std::string> expected = {
      {"missing.txt", "true|missing on disk (or held open by another program)"},
      {"older.txt", "true|" + older},
      {"same.txt", std::string("false|same date ") + kDay10},
      {"newer.txt", std::string("false|installed date ") + kDay11 + " newer than medium " + kDay10},
      {"norecord.txt", "false|no date recorded on the medium: only a missing file is replaced"},
      {"absent.dll", "true|missing on disk"},
      {"same.dll", "true|same version 1.2.3.4, " + older},
      {"higher.dll",
       "false|installed version 1.2.3.4 newer than medium 1.1.0.0: kept whatever its date"},
      {"lower.dll", "true|version 2.0.0.0 newer than installed 1.2.3.4"},
      {"member.txt", "true|missing on disk (or held open by another program)"},
      {"g.grp", "true|1 of 1 members needed"},
      {"card.a07", "true|a library card: merged with the installed one"},
  };
  EXPECT_EQ(Prepare(), expected);
}

TEST(DecisionReasonsTest, DatesAndVersionsInTheirWrittenForms) {
  EXPECT_EQ(DateText(EngineFixture::Day(31)), "2020-01-31 12:00:00");
  EXPECT_EQ(DateText(0x00200000), "no valid date (0x00200000)");
  EXPECT_EQ(VersionText(0x0001000200030004LL), "1.2.3.4");
  EXPECT_EQ(VersionText(static_cast<int64_t>(0xFFFF000000000000ULL)), "65535.0.0.0");
  EXPECT_EQ(DateReason(0, EngineFixture::Day(1)), "the installed file has no valid date");
}

}  // namespace
}  // namespace cd::test
