// Building one medium: the output folder, the files kept and packed, the library cards and
// their group, the application entries, merged options, the size limit of a text
// configuration and the configuration read back by the files manager. Builds that fail part
// way are in install_manager_failed_build_test.cpp.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

#include "config/config_io.h"
#include "install/datum_value.h"
#include "install/file_group.h"
#include "install/file_list.h"
#include "install/file_list_manager.h"
#include "install/files_manager.h"
#include "install/libman_info_value.h"
#include "install/viewer_item.h"
#include "install_manager_fixture.h"
#include "library/book_card.h"
#include "media/run_cdrom.h"
#include "media/run_viewer.h"
#include "platform/files.h"
#include "platform/sha256.h"
#include "support/hook_guard.h"
#include "support/message_of.h"
#include "support/packed_data.h"
#include "util/medium_sums.h"

namespace cd {
namespace {

using test::Day;
using test::HookGuard;
using test::MessageOf;
using test::Repeated;
using test::Unpacked;

class CountingObserver : public IConvertObserver {
 public:
  void Notify(TConvertFilter&) override { ++count; }
  int count = 0;
};

class InstallManagerBuildTest : public ::testing::Test, public test::InstallManagerFixture {
 protected:
  const std::string viewerExe = Repeated("viewer program ", 5000);
  const std::string smallHelp = Repeated("help ", 200);
  const std::string manual = Repeated("manual text ", 3000);

  // Four files, a viewer with two courses (Ids 3 and 12), a list and two media.
  void Describe() {
    AddDatum("Viewer\\view.exe", viewerExe);
    AddDatum("Help\\small.txt", smallHelp);
    AddDatum("Docs\\manual.txt", manual)->SetFlags(SetBit(fg_SingleNotCompress));
    AddDatum("Other\\unused.txt", "not on this medium");
    TRunViewer* viewer = AddViewer("Player", "Viewer\\view.exe");
    viewer->SetProgId("Demo.Viewer");
    AddCourse(viewer, "English", 3);
    AddCourse(viewer, "German", 12);
    auto* list = new TFileList(GetOrCreateObjectAs<TFileListManager>(Manager()));
    list->SetName("Docs");
    list->Files().Add("Help\\small.txt");
    list->Files().Add("docs\\MANUAL.txt");
    AddMedium("DISC1", {"Other\\unused.txt"});
  }
};

TEST_F(InstallManagerBuildTest, MissingHookChangesNothing) {
  WriteSource("keep.txt", "x");
  std::filesystem::create_directories(OutFile("prg"));
  std::ofstream(OutFile("prg/stale.txt")) << "stale";
  HookGuard none(OnAdjustInstaller(), nullptr);
  EXPECT_EQ(MessageOf([&] { Manager().Execute(); }),
            "TInstallManager.Execute: Missing OnAdjustInstaller");
  EXPECT_TRUE(HostExists(OutFile("prg/stale.txt")));
}

TEST_F(InstallManagerBuildTest, RefusesToEmptyARootOrTheSources) {
  WriteSource("keep.txt", "x");
  TRunCDRom* medium = AddMedium("DISC1", {});
  const std::string src = Manager().SourcePrgPath();
  for (const std::string& dest : {std::string(), src.substr(0, 3), src, src + "..\\",
                                  src + "sub\\..\\", src.substr(0, src.size() - 4)}) {
    Manager().SetDestPrgPath(dest);
    EXPECT_NE(MessageOf([&] { Build(medium); }).find("TInstallManager.Execute: Unsafe DestPrgPath"),
              std::string::npos)
        << dest;
  }
  EXPECT_TRUE(HostExists(SourceFile("keep.txt")));
}

TEST_F(InstallManagerBuildTest, BuildsTheChosenMediumFileByFile) {
  Describe();
  TRunCDRom* medium = AddMedium("DISC2", {"viewer\\view.exe", "@Docs"});
  medium->Instances().Add(3);
  medium->Instances().Add(12);
  std::filesystem::create_directories(OutFile("prg/oldDir"));
  std::ofstream(OutFile("prg/oldDir/old.txt")) << "old";
  CountingObserver observer;
  Manager().SetObserver(&observer);
  Build(medium);

  EXPECT_FALSE(HostExists(OutFile("prg/oldDir")));
  EXPECT_FALSE(HostExists(OutFile("prg/Other")));
  EXPECT_EQ(Unpacked(ReadHost(OutFile("prg/Viewer/view.ex_"))), viewerExe);
  EXPECT_EQ(ReadHost(OutFile("prg/Help/small.txt")), smallHelp);  // 1000 bytes or less
  EXPECT_EQ(ReadHost(OutFile("prg/Docs/manual.txt")), manual);    // fg_SingleNotCompress
  // The cards lie beside the sources; the medium lists them at the end, in Id order.
  auto card = StringToObject(ReadHost(SourceFile("_Editpla.a12")));
  ASSERT_NE(dynamic_cast<TBookCard*>(card.get()), nullptr);
  EXPECT_EQ(card->Name(), "German_A12");
  const int n = medium->Files().Count();
  EXPECT_EQ(medium->Files().Strings(n - 2), "_Editpla.a03=VokMnger\\Bookcard\\_Editpla.a03");
  EXPECT_EQ(medium->Files().Strings(n - 1), "_Editpla.a12=VokMnger\\Bookcard\\_Editpla.a12");
  // One step after keeping the files, one per card, one per item for file info and packing.
  EXPECT_EQ(observer.count, 1 + 2 + 2 * 4);

  const std::string text = ConfigBytes();
  EXPECT_EQ(text.rfind("object TFilesManager", 0), 0u);
  std::unique_ptr<TFilesManager> read = ReadBack();
  EXPECT_EQ(read->PrgPath(), Manager().DestPrgPath());
  ASSERT_EQ(read->ChildCount(), 4);
  auto* group = dynamic_cast<TFileGroup*>(read->Child(0));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->Path(), "VokMnger\\Bookcard\\bookcard.grp");
  ASSERT_EQ(group->ChildCount(), 2);
  EXPECT_NE(dynamic_cast<TLibmanInfoValue*>(group->Child(1)), nullptr);
  EXPECT_EQ(group->DestSize(),
            static_cast<int32_t>(ReadHost(OutFile("prg/VokMnger/Bookcard/bookcard.grp")).size()));
  auto* viewer = dynamic_cast<TDatumValue*>(read->FindItem("Viewer\\view.exe"));
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(viewer->Time(), Day(3));
  EXPECT_EQ(viewer->DestSize(),
            static_cast<int32_t>(ReadHost(OutFile("prg/Viewer/view.ex_")).size()));
  EXPECT_EQ(read->FindItem("Other\\unused.txt"), nullptr);
  ASSERT_EQ(read->Viewers().Count(), 2);
  auto entry = [&](int i) { return static_cast<TViewerItem*>(read->Viewers().Items(i)); };
  EXPECT_EQ(entry(0)->DataName(), "English_A3");
  EXPECT_EQ(entry(1)->DataName(), "German_A12");
  EXPECT_EQ(entry(1)->Exe(), "Viewer\\view.exe");
  EXPECT_EQ(read->PrgSubpath(), "prg\\");
  EXPECT_EQ(read->RunData().InstallLang(), "EN");
}

// The sums list every file as it lies on the medium: a packed, a stored and a group file by
// the digest taken as each was written, and a file that two items write (the later one wins)
// by its bytes.
TEST_F(InstallManagerBuildTest, SumsListEachFileAsItLiesOnTheMedium) {
  Describe();
  AddDatum("First\\a.txt=Same\\same.txt", Repeated("first ", 400));
  AddDatum("Second\\b.txt=Same\\same.txt", Repeated("second ", 400));
  TRunCDRom* medium = AddMedium(
      "DISC2",
      {"viewer\\view.exe", "@Docs", "First\\a.txt=Same\\same.txt", "Second\\b.txt=Same\\same.txt"});
  medium->Instances().Add(3);
  Build(medium);
  const TMediumSums sums = TMediumSums::Parse(ReadHost(OutFile("SHA256SUMS")), "SHA256SUMS");
  EXPECT_EQ(ReadHost(OutFile("prg/Same/same.txt")), Repeated("second ", 400));
  for (const char* name :
       {"run.cfg", "prg/Viewer/view.ex_", "prg/Help/small.txt", "prg/Docs/manual.txt",
        "prg/VokMnger/Bookcard/bookcard.grp", "prg/Same/same.txt"}) {
    const std::string* listed = sums.Find(name);
    ASSERT_NE(listed, nullptr) << name;
    EXPECT_EQ(*listed, os::DigestHex(os::Sha256Of(ReadHost(OutFile(name))))) << name;
  }
}

TEST_F(InstallManagerBuildTest, MediumOverridesPathsAndSubpath) {
  Describe();
  TRunCDRom* medium = AddMedium("DISC2", {"Help\\small.txt"});
  medium->SetPrgSubPath("files\\");
  medium->SetPrgPrefixPath("E:\\");
  const std::string out = Manager().DestPrgPath();
  medium->SetDestPrgPath(out.substr(0, out.size() - 4) + "disc2\\");
  medium->SetConfigFileName(out.substr(0, out.size() - 4) + "disc2.cfg");
  Build(medium);
  EXPECT_EQ(ReadHost(OutFile("disc2/Help/small.txt")), smallHelp);
  EXPECT_FALSE(HostExists(OutFile("run.cfg")));
  const std::string text = ReadHost(OutFile("disc2.cfg"));
  EXPECT_NE(text.find("PrgSubpath = 'files\\'"), std::string::npos);
  EXPECT_NE(text.find("PrgPrefixPath = 'E:\\'"), std::string::npos);
}

TEST_F(InstallManagerBuildTest, MediumWithoutInstancesGetsNoCards) {
  Describe();
  static_cast<TViewerItem*>(Files().Viewers().Add())->SetDataName("Kept");
  TRunCDRom* medium = AddMedium("DISC2", {"Help\\small.txt"});
  Build(medium);
  EXPECT_FALSE(HostExists(OutFile("prg/VokMnger")));
  EXPECT_FALSE(HostExists(SourceFile("_Editpla.a03")));
  std::unique_ptr<TFilesManager> read = ReadBack();
  ASSERT_EQ(read->ChildCount(), 1);
  EXPECT_EQ(read->FindItem("VokMnger\\Bookcard\\bookcard.grp"), nullptr);
  ASSERT_EQ(read->Viewers().Count(), 1);
  EXPECT_EQ(static_cast<TViewerItem*>(read->Viewers().Items(0))->DataName(), "Kept");
  EXPECT_EQ(medium->Files().Count(), 1);
}

TEST_F(InstallManagerBuildTest, GroupNamedInPartStaysWhole) {
  Describe();
  auto* group = new TFileGroup(&Files(), "Help\\help.grp");
  const std::string pages[] = {Repeated("index ", 1500), Repeated("keys ", 1200), "about"};
  const char* names[] = {"Help\\index.txt", "Help\\keys.txt", "Help\\about.txt"};
  for (int i = 0; i < 3; ++i) {
    new TDatumValue(group, names[i]);
    WriteSource(names[i], pages[i], Day(4));
  }
  TRunCDRom* medium = AddMedium("DISC2", {"HELP\\KEYS.TXT"});
  Build(medium);
  ASSERT_EQ(Files().ChildCount(), 1);
  ASSERT_EQ(group->ChildCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(static_cast<TFileItem*>(group->Child(i))->Needed());
  const std::string content = Unpacked(ReadHost(OutFile("prg/Help/help.grp")));
  for (const std::string& page : pages) EXPECT_NE(content.find(page), std::string::npos);
  EXPECT_EQ(static_cast<TDatumValue*>(group->Child(2))->Time(), Day(4));
}

TEST_F(InstallManagerBuildTest, OptionsOfTheCarriedViewersAreMerged) {
  AddDatum("a.txt", "a");
  TRunViewer* player = AddViewer("Player", "p.exe");
  player->SetOptions(SetBit(ro_InstallMediaPlayer));
  AddCourse(player, "English", 7);
  TRunViewer* other = AddViewer("Other", "o.exe");
  other->SetOptions(SetBit(ro_InstallDirectX));
  AddCourse(other, "German", 8);
  TRunCDRom* medium = AddMedium("DISC1", {"a.txt"});
  medium->Instances().Add(8);
  medium->RunData().SetAskPathName("DataPath");
  Build(medium);
  EXPECT_EQ(Files().RunData().Options(), SetBit(ro_InstallDirectX));
  EXPECT_EQ(Files().RunData().AskPathName(), "DataPath");
  medium->Instances().Add(7);
  Build(medium);
  EXPECT_EQ(Files().RunData().Options(), SetBit(ro_InstallDirectX) | SetBit(ro_InstallMediaPlayer));
}

// The text of the configuration is padded through the medium's prompt until it has the size
// asked for; the build is repeated from a fresh description each time.
class ConfigurationLimitTest : public ::testing::Test {
 protected:
  static std::string BuildWithPrompt(test::InstallManagerFixture& build, size_t pad) {
    build.AddDatum("a.txt", "a");
    TRunCDRom* medium = build.AddMedium("DISC1", {"a.txt"});
    medium->RunData().SetAskPathNameDescr(std::string(pad, 'p'));
    build.Build(medium);
    return build.ConfigBytes();
  }

  // The configuration text of the size asked for and the bytes written for it.
  static std::pair<std::string, std::string> BuildTextOfSize(size_t size) {
    size_t pad = 100;
    for (int attempt = 0; attempt < 8; ++attempt) {
      test::InstallManagerFixture build;
      const std::string bytes = BuildWithPrompt(build, pad);
      const std::string text = ObjectToString(&build.Files());
      if (text.size() == size) return {text, bytes};
      pad += size - text.size();
    }
    return {};
  }
};

TEST_F(ConfigurationLimitTest, TextUpTo4096CharactersIsWrittenAsItIs) {
  auto [text, bytes] = BuildTextOfSize(4096);
  ASSERT_EQ(text.size(), 4096u);
  EXPECT_EQ(bytes, text);
}

TEST_F(ConfigurationLimitTest, LongerTextIsPackedAndReadsBack) {
  auto [text, bytes] = BuildTextOfSize(4097);
  ASSERT_EQ(text.size(), 4097u);
  EXPECT_EQ(Unpacked(bytes), text);
  test::InstallManagerFixture build;
  BuildWithPrompt(build, 5000);
  std::unique_ptr<TFilesManager> read = build.ReadBack();
  EXPECT_EQ(read->RunData().AskPathNameDescr(), std::string(5000, 'p'));
  EXPECT_EQ(read->ChildCount(), 1);
}

TEST_F(InstallManagerBuildTest, ParentConverterChecksBeforeBuildingAndSkipsIgnored) {
  TConvertFilter parent(nullptr);
  auto* skipped = new TInstallManager(&parent);
  skipped->SetIgnore(true);
  auto* build = new TInstallManager(&parent);
  build->SetSourcePrgPath(Manager().SourcePrgPath());
  build->SetDestPrgPath(Manager().DestPrgPath());
  build->SetConfigFileName(Manager().ConfigFileName());
  auto* files = GetOrCreateObjectAs<TFilesManager>(*build);
  new TDatumValue(files, "missing.txt");
  std::filesystem::create_directories(OutFile("prg"));
  std::ofstream(OutFile("prg/stale.txt")) << "stale";
  int chosen = 0;
  HookGuard choose(OnAdjustInstaller(), [&](TInstallManager& manager) {
    ++chosen;
    manager.SetCDRom(nullptr);
  });
  EXPECT_EQ(MessageOf([&] { parent.Execute(); }), "TDatumValue.CheckConsistence: File \"" +
                                                      Manager().SourcePrgPath() +
                                                      "missing.txt\" does not exist!");
  EXPECT_EQ(chosen, 0);
  EXPECT_TRUE(HostExists(OutFile("prg/stale.txt")));
}

}  // namespace
}  // namespace cd
