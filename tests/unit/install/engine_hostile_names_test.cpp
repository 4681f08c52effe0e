// Names from outside (configuration keys, group members, card fields, answers) never put or
// start anything outside the folder meant for them.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "config/config_io.h"
#include "engine_fixture.h"
#include "install/datum_value.h"
#include "install/hooks.h"
#include "install/install_classes.h"
#include "library/library_classes.h"
#include "platform/files.h"
#include "streams/memory_stream.h"
#include "support/host_files.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

// Each is refused as a destination; the last two are fine as names below a folder.
const char* const kHostile[] = {
    "..\\escaped.txt", "a\\..\\..\\escaped.txt", "..\\..\\y", "C:escaped.txt", "/tmp/x/",
    "c:\\..\\escaped.txt", "\\escaped.txt", "\\\\server\\share\\x", "   ", "...\\escaped.txt",
    "escaped.txt.", "a:b.txt", "con", "con.txt", "sub\\NUL.dat", "COM1.dat", "lpt9", "-",
    "reldir\\sub"};
bool RefusedBelowAFolder(const std::string& name) {
  return name != "-" && name != "reldir\\sub";
}

using Entry = std::function<void(EngineFixture&, TFilesManager&, const std::string& name)>;

// The text of a files manager or group holding one item with Path name into target.
std::string OneItem(const std::string& head, const std::string& name, const char* target = "Disk",
                    const char* more = "") {
  return "object " + head + "\n  object TDatumValue\n    Path = '" + name +
         "'\n    InstalTarget = '" + target + "'\n" + more + "  end\nend\n";
}

void AskedFor(TFilesManager& manager, EngineFixture& fx, const std::string& target) {
  manager.RunData().SetAskPathName(target);
  (new TDatumValue(&manager, "inside.txt"))->SetInstalTarget(target);
  EngineFixture::WriteFile(fx.MediumFile("inside.txt"), "in", 0);
}

bool Always(const std::string&) { return true; }
bool Never(const std::string&) { return false; }

const struct {
  const char* entry;
  bool (*refused)(const std::string& name);
  Entry run;
} kEntries[] = {
    // Refused while preparing, before anything is written.
    {"configuration key", RefusedBelowAFolder,
     [](EngineFixture&, TFilesManager& manager, const std::string& name) {
       StringToObject(OneItem("TFilesManager", name), manager);
       manager.PrepareUpdate(nullptr);
     }},
    {"group member", RefusedBelowAFolder,
     [](EngineFixture& fx, TFilesManager& manager, const std::string& name) {
       TMemoryStream text(OneItem("TFileGroup", name, "Disk", "    Data = {41}\n"));
       int blocks = 0;
       EngineFixture::WriteFile(fx.MediumFile("g.grp"), ConfigTextToBinary(text, blocks), 0);
       (new TDatumValue(new TFileGroup(&manager, "g.grp"), "inside.txt"))->SetInstalTarget("Disk");
       manager.PrepareUpdate(nullptr);
       manager.Update(nullptr);
     }},
    {"viewer program", RefusedBelowAFolder,
     [](EngineFixture&, TFilesManager& manager, const std::string& name) {
       manager.SetRunCommand(name + " Course_A7 ..\\arguments\\stay");
       manager.PrepareUpdate(nullptr);
     }},
    {"medium subpath", RefusedBelowAFolder,
     [](EngineFixture& fx, TFilesManager&, const std::string& name) {
       TMemoryStream text(OneItem("TFilesManager\n  PrgPrefixPath = '" + fx.MediumPath() +
                                      "'\n  PrgSubpath = '" + name + "\\'",
                                  "f.txt", "BasicPrgPath"));
       TFilesManager::CreateFromStream(text, "")->PrepareUpdate(nullptr);
     }},
    {"destination answer", Always,
     [](EngineFixture& fx, TFilesManager& manager, const std::string& name) {
       AskedFor(manager, fx, "Course");
       OnAskDestination() = [&](const std::string&, const TDestinationCheck& check,
                                std::string& path) {
         EXPECT_EQ(check(name), "TFilesManager.PrepareUpdate: The destination \"" + name +
                                    "\" for \"inside.txt\" is not a folder on a drive, such as "
                                    "c:\\VokData");
         path = name;
       };
       manager.PrepareUpdate(nullptr);
     }},
    // Such a card leads to the question, answered here with a folder of the disk.
    {"card MediumId", Never,
     [](EngineFixture& fx, TFilesManager& manager, const std::string& name) {
       const std::string cards = TFilesManager::GetDirectory(kDirWindowsVok) + "VokMnger\\bookcard";
       os::ForceDirectories(cards);
       os::WriteWholeFile(cards + "\\_Editpla.Hostile",
                          "object TBookCard\n  MediumId = '" + name + "'\nend\n");
       AskedFor(manager, fx, "Hostile");
       OnAskDestination() = [&](const std::string&, const TDestinationCheck&, std::string& path) {
         path = fx.DiskPath() + "chosen";
       };
       manager.PrepareUpdate(nullptr);
       manager.Update(nullptr);
       os::DeleteFile(cards + "\\_Editpla.Hostile");
       EXPECT_EQ(manager.Targets().Values("Hostile"), fx.DiskPath() + "chosen\\");
     }},
};

TEST(HostileNames, NothingLandsOutsideItsFolderFromAnyEntryPoint) {
  RegisterInstallClasses();
  RegisterLibraryClasses();
  OnShowMessage() = [](const std::string&) {};
  for (const auto& entry : kEntries) {
    for (const char* name : kHostile) {
      EngineFixture fx;
      std::unique_ptr<TFilesManager> manager = fx.NewFilesManager();
      // Working below the fixture, a name resolved against the current folder shows up.
      const fs::path root = fs::path(fx.DiskFile("x")).parent_path().parent_path();
      fs::create_directories(root / "run/here");
      const fs::path previous = fs::current_path();
      fs::current_path(root / "run/here");
      bool refused = false;
      try {
        entry.run(fx, *manager, name);
      } catch (const Exception&) {
        refused = true;
      }
      fs::current_path(previous);
      OnAskDestination() = nullptr;
      EXPECT_EQ(refused, entry.refused(name)) << entry.entry << ": " << name;
      for (const std::string& file : FilesUnder(root))
        EXPECT_TRUE(file.rfind("disk/", 0) == 0 || file.rfind("medium/", 0) == 0) << file;
      EXPECT_FALSE(os::FileExists("C:\\escaped.txt"));
    }
  }
  OnShowMessage() = nullptr;
}

}  // namespace
}  // namespace cd::test
