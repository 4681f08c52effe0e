// Hostile names through every entry point never put or start anything outside their folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/config_io.h"
#include "engine_fixture.h"
#include "install/datum_value.h"
#include "install/hooks.h"
#include "install/install_classes.h"
#include "library/library_classes.h"
#include "platform/files.h"
#include "streams/memory_stream.h"
#include "support/hook_guard.h"
#include "support/host_files.h"

namespace cd::test {
namespace {

namespace fs = std::filesystem;

// None is a destination; the last two are fine below a folder.
const char* const kHostile[] = {
    "..\\escaped.txt", "a\\..\\..\\escaped.txt", "C:escaped.txt", "/tmp/x/", "c:\\..\\escaped.txt",
    "\\escaped.txt", "\\\\server\\share\\x", "   ", "...\\x", "x.", "a:b.txt", "con", "con.txt",
    "sub\\NUL.dat", "COM1.dat", "lpt9", "-", "reldir\\sub"};
bool Relative(const std::string& name) { return name == "-" || name == "reldir\\sub"; }

std::string OneItem(const std::string& head, const std::string& name, const char* target = "Disk",
                    const char* more = "") {
  return "object " + head + "\n  object TDatumValue\n    Path = '" + name +
         "'\n    InstalTarget = '" + target + "'\n" + more + "  end\nend\n";
}

// An item "inside.txt" into target, asked for; the hook answers answer (the name if empty).
void Ask(EngineFixture& fx, TFilesManager& manager, const std::string& target, std::string answer) {
  manager.RunData().SetAskPathName(target);
  (new TDatumValue(&manager, "inside.txt"))->SetInstalTarget(target);
  EngineFixture::WriteFile(fx.MediumFile("inside.txt"), "in", 0);
  HookGuard ask(OnAskDestination(), [answer](const std::string&, const TDestinationCheck&,
                                             std::string& path) { path = answer; });
  manager.PrepareUpdate(nullptr);
  manager.Update(nullptr);
}

const struct {
  const char* entry;
  bool (*taken)(const std::string& name);
  void (*run)(EngineFixture&, TFilesManager&, const std::string& name);
} kEntries[] = {
    {"configuration key", Relative,
     [](EngineFixture&, TFilesManager& m, const std::string& name) {
       StringToObject(OneItem("TFilesManager", name), m);
       m.PrepareUpdate(nullptr);  // refused before anything is written
     }},
    {"group member", Relative,
     [](EngineFixture& fx, TFilesManager& m, const std::string& name) {
       TMemoryStream text(OneItem("TFileGroup", name, "Disk", "    Data = {41}\n"));
       int blocks = 0;
       EngineFixture::WriteFile(fx.MediumFile("g.grp"), ConfigTextToBinary(text, blocks), 0);
       (new TDatumValue(new TFileGroup(&m, "g.grp"), "inside.txt"))->SetInstalTarget("Disk");
       m.PrepareUpdate(nullptr);
       m.Update(nullptr);
     }},
    {"viewer program", Relative,
     [](EngineFixture&, TFilesManager& m, const std::string& name) {
       m.SetRunCommand(name + " Course_A7 ..\\arguments\\stay");
       m.PrepareUpdate(nullptr);
     }},
    {"medium subpath", Relative,
     [](EngineFixture& fx, TFilesManager&, const std::string& name) {
       TMemoryStream text(OneItem("TFilesManager\n  PrgPrefixPath = '" + fx.MediumPath() +
                                      "'\n  PrgSubpath = '" + name + "\\'",
                                  "f.txt", "BasicPrgPath"));
       TFilesManager::CreateFromStream(text, "")->PrepareUpdate(nullptr);
     }},
    {"destination answer", [](const std::string&) { return false; },
     [](EngineFixture& fx, TFilesManager& m, const std::string& name) { Ask(fx, m, "Dest", name); }},
    // Such a card is passed over for the question.
    {"card MediumId", [](const std::string&) { return true; },
     [](EngineFixture& fx, TFilesManager& m, const std::string& name) {
       const std::string cards = TFilesManager::GetDirectory(kDirWindowsVok) + "VokMnger\\bookcard";
       os::ForceDirectories(cards);
       os::WriteWholeFile(cards + "\\_Editpla.Card", "object TBookCard\n  MediumId = '" + name + "'\nend\n");
       Ask(fx, m, "Card", fx.DiskPath() + "asked");
       EXPECT_EQ(m.Targets().Values("Card"), fx.DiskPath() + "asked\\");
     }},
};

TEST(HostileNames, NothingLandsOutsideItsFolderFromAnyEntryPoint) {
  RegisterInstallClasses();
  RegisterLibraryClasses();
  HookGuard quiet(OnShowMessage(), [](const std::string&) {});
  for (const auto& entry : kEntries) {
    for (const char* name : kHostile) {
      EngineFixture fx;
      std::unique_ptr<TFilesManager> manager = fx.NewFilesManager();
      // Working below the fixture, a name resolved against the current folder shows up.
      const fs::path root = fs::path(fx.DiskFile("x")).parent_path().parent_path();
      fs::create_directories(root / "run/here");
      const fs::path previous = fs::current_path();
      fs::current_path(root / "run/here");
      bool taken = true;
      try {
        entry.run(fx, *manager, name);
      } catch (const Exception&) {
        taken = false;
      }
      fs::current_path(previous);
      EXPECT_EQ(taken, entry.taken(name)) << entry.entry << ": " << name;
      for (const std::string& file : FilesUnder(root))
        EXPECT_TRUE(file.rfind("disk/", 0) == 0 || file.rfind("medium/", 0) == 0) << file;
      EXPECT_FALSE(os::FileExists("C:\\escaped.txt"));
    }
  }
  os::DeleteFile(TFilesManager::GetDirectory(kDirWindowsVok) + "VokMnger\\bookcard\\_Editpla.Card");
}

}  // namespace
}  // namespace cd::test
