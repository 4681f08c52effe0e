// Names from outside (configuration keys, group members, library cards, the user's answer,
// the viewer's program) never put, remove or start anything outside the folder meant for
// them; destinations are folders on a drive, refused with a message otherwise.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "config/config_io.h"
#include "engine_fixture.h"
#include "install/datum_value.h"
#include "install/hooks.h"
#include "install/install_classes.h"
#include "install/update_run.h"
#include "library/library_classes.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system_dirs.h"
#include "streams/memory_stream.h"
#include "support/host_files.h"
#include "util/exceptions.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

struct HostileName {
  const char* name;
  bool refusedAsRelative;  // as a name below a folder; as a destination every one is refused
};

const HostileName kHostile[] = {
    {"..\\escaped.txt", true},  {"a\\..\\..\\escaped.txt", true}, {"..\\..\\y", true},
    {"C:escaped.txt", true},    {"c:\\..\\escaped.txt", true},    {"\\escaped.txt", true},
    {"/tmp/x/", true},          {"\\\\server\\share\\x", true},   {"   ", true},
    {"...\\escaped.txt", true}, {"escaped.txt.", true},           {"a:b.txt", true},          {"con", true},                    {"con.txt", true},
    {"sub\\NUL.dat", true},     {"COM1.dat", true},               {"lpt9", true},
    {"-", false},               {"reldir\\sub", false},
};

std::string Host(std::string name) {
  for (char& c : name)
    if (c == '\\') c = '/';
  return name;
}

// One fixture per run, with the process working in a folder of its own below it so that a
// name resolved against the current folder shows up as an escape.
class HostileNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterInstallClasses();
    RegisterLibraryClasses();
    OnShowMessage() = [this](const std::string& text) { shown_.push_back(text); };
  }
  void TearDown() override {
    OnShowMessage() = nullptr;
    OnAskDestination() = nullptr;
  }

  // Runs act in a fresh fixture and returns whether it was refused (any failure).
  bool Refused(const std::function<void(EngineFixture&, TFilesManager&)>& act) {
    fx_ = std::make_unique<EngineFixture>();
    manager_ = fx_->NewFilesManager();
    const fs::path root = fs::path(fx_->DiskFile("x")).parent_path().parent_path();
    fs::create_directories(root / "run/here");
    const fs::path previous = fs::current_path();
    fs::current_path(root / "run/here");
    bool refused = false;
    try {
      act(*fx_, *manager_);
    } catch (const std::exception&) {
      refused = true;
    }
    fs::current_path(previous);
    manager_.reset();
    for (const std::string& name : FilesUnder(root)) {
      if (name.rfind("disk/", 0) != 0 && name.rfind("medium/", 0) != 0) escaped_.push_back(name);
    }
    if (os::FileExists("C:\\escaped.txt")) escaped_.push_back("C:\\escaped.txt");
    return refused;
  }

  static void PrepareAndUpdate(TFilesManager& manager) {
    manager.PrepareUpdate(nullptr);
    manager.Update(nullptr);
  }

  // A configured item "inside.txt" into target, with its source on the medium.
  static void AddItem(EngineFixture& fx, TFilesManager& manager, const std::string& target) {
    auto* item = new TDatumValue(&manager, "inside.txt");
    item->SetInstalTarget(target);
    EngineFixture::WriteFile(fx.MediumFile("inside.txt"), "in", 0);
  }

  std::unique_ptr<EngineFixture> fx_;
  std::unique_ptr<TFilesManager> manager_;
  std::vector<std::string> escaped_;
  std::vector<std::string> shown_;
};

// Refused while preparing, before anything is written.
TEST_F(HostileNamesTest, ConfigurationPathKey) {
  for (const HostileName& row : kHostile) {
    bool prepared = false;
    const bool refused = Refused([&](EngineFixture& fx, TFilesManager& manager) {
      if (!row.refusedAsRelative) EngineFixture::WriteFile(fx.MediumFile(Host(row.name)), "x", 0);
      StringToObject(std::string("object TFilesManager\n  object TDatumValue\n    Path = '") +
                         row.name + "'\n    InstalTarget = 'Disk'\n  end\nend\n",
                     manager);
      manager.PrepareUpdate(nullptr);
      prepared = true;
      manager.Update(nullptr);
    });
    EXPECT_EQ(refused, row.refusedAsRelative) << row.name;
    EXPECT_EQ(prepared, !row.refusedAsRelative) << row.name;
  }
  EXPECT_EQ(escaped_, std::vector<std::string>{});
}

TEST_F(HostileNamesTest, GroupMemberPathInsideTheGroupFile) {
  for (const HostileName& row : kHostile) {
    const bool refused = Refused([&](EngineFixture& fx, TFilesManager& manager) {
      TMemoryStream text(std::string("object TFileGroup\n  object TDatumValue\n    Path = '") +
                         row.name + "'\n    InstalTarget = 'Disk'\n    Data = {41}\n  end\nend\n");
      int blocks = 0;
      EngineFixture::WriteFile(fx.MediumFile("g.grp"), ConfigTextToBinary(text, blocks), 0);
      auto* member = new TDatumValue(new TFileGroup(&manager, "g.grp"), "inside.txt");
      member->SetInstalTarget("Disk");
      PrepareAndUpdate(manager);
    });
    EXPECT_EQ(refused, row.refusedAsRelative) << row.name;
  }
  EXPECT_EQ(escaped_, std::vector<std::string>{});
}

TEST_F(HostileNamesTest, ViewerProgramAndMediumSubpath) {
  for (const HostileName& row : kHostile) {
    EXPECT_EQ(Refused([&](EngineFixture&, TFilesManager& manager) {
                manager.SetRunCommand(std::string(row.name) + " Course_A7");
                manager.PrepareUpdate(nullptr);
              }),
              row.refusedAsRelative)
        << row.name;
    EXPECT_EQ(Refused([&](EngineFixture& fx, TFilesManager&) {
                TMemoryStream config(std::string("object TFilesManager\n  PrgPrefixPath = '") +
                                     fx.MediumPath() + "'\n  PrgSubpath = '" + row.name +
                                     "\\'\n  object TDatumValue\n    Path = 'f.txt'\n"
                                     "    InstalTarget = 'BasicPrgPath'\n  end\nend\n");
                auto medium = TFilesManager::CreateFromStream(config, "");
                medium->PrepareUpdate(nullptr);
              }),
              row.refusedAsRelative)
        << row.name;
  }
  EXPECT_EQ(escaped_, std::vector<std::string>{});
}

TEST_F(HostileNamesTest, DestinationAnswerIsRefusedNamingItAndTheItem) {
  for (const HostileName& row : kHostile) {
    std::string refusal;
    EXPECT_TRUE(Refused([&](EngineFixture& fx, TFilesManager& manager) {
      manager.RunData().SetAskPathName("Course");
      AddItem(fx, manager, "Course");
      OnAskDestination() = [&](const std::string&, const TDestinationCheck& check,
                               std::string& path) {
        refusal = check(row.name);
        path = row.name;
      };
      PrepareAndUpdate(manager);
    })) << row.name;
    EXPECT_EQ(refusal, std::string("TFilesManager.PrepareUpdate: The destination \"") + row.name +
                           "\" for \"inside.txt\" is not a folder on a drive, such as c:\\VokData");
  }
  EXPECT_EQ(escaped_, std::vector<std::string>{});
}

TEST_F(HostileNamesTest, CardMediumIdThatIsNoFolderLeadsToTheQuestion) {
  const std::string card = os::IncludeTrailingBackslash(os::WindowsDirectory()) +
                           "Vok\\VokMnger\\bookcard\\_Editpla.HostileCard";
  os::ForceDirectories(os::ExtractFilePath(card));
  for (const HostileName& row : kHostile) {
    int asked = 0;
    std::string target;
    EXPECT_FALSE(Refused([&](EngineFixture& fx, TFilesManager& manager) {
      os::WriteWholeFile(card, std::string("object TBookCard\n  MediumId = '") + row.name +
                                   "'\nend\n");
      manager.RunData().SetAskPathName("HostileCard");
      AddItem(fx, manager, "HostileCard");
      OnAskDestination() = [&](const std::string&, const TDestinationCheck&, std::string& path) {
        ++asked;
        path = fx.DiskPath() + "chosen";
      };
      PrepareAndUpdate(manager);
      target = manager.Targets().Values("HostileCard");
    })) << row.name;
    EXPECT_EQ(asked, 1) << row.name;
    EXPECT_EQ(target.substr(target.size() - 7), "chosen\\");
  }
  os::DeleteFile(card);
  EXPECT_EQ(escaped_, std::vector<std::string>{});
}

}  // namespace
}  // namespace cd::test
