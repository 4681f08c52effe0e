// The example description of examples/ built whole, from its own text files and stand-ins for
// the two programs that the build makes: every file of the medium, the library cards, the
// recorded versions and dates, and the run configuration read back by the files manager.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "config/config_classes.h"
#include "config/config_io.h"
#include "install/files_manager.h"
#include "install/install_classes.h"
#include "install/version_value.h"
#include "install/viewer_item.h"
#include "install_manager_fixture.h"
#include "library/book_card.h"
#include "library/library_classes.h"
#include "media/cdrom_manager.h"
#include "media/media_classes.h"
#include "media/run_cdrom.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "runner/runner_classes.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"
#include "streams/virt_stream.h"
#include "support/pe_builder.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

namespace fs = std::filesystem;
using test::InstallManagerFixture;

fs::path ExamplesFolder() {
  const char* data = std::getenv("CD_TEST_DATA");  // tests/data of the source tree
  return fs::path(data ? data : "tests/data") / ".." / ".." / "examples";
}

std::string Unpacked(const std::string& bytes) {
  TMemoryStream in(bytes);
  if (!IsPacked(in)) return bytes;
  TMemoryStream out;
  UnpackStream(in, out);
  return std::string(out.Data());
}

class InstallManagerExampleTest : public ::testing::Test {
 protected:
  // The example's source tree as the build assembles it, the POSIX variant of the description
  // (the library is not registered there), and the folder of the description made current.
  void SetUp() override {
    RegisterConfigClasses();
    RegisterLibraryClasses();
    RegisterInstallClasses();
    RegisterMediaClasses();
    RegisterRunnerClasses();
    fs::create_directories(src_ / "prg" / "Viewer");
    fs::copy(ExamplesFolder() / "files", src_ / "prg", fs::copy_options::recursive);
    std::string text =
        InstallManagerFixture::ReadHost((ExamplesFolder() / "install.otx.in").string());
    const size_t at = text.find("@DEMO_REGISTER_DLL@");
    ASSERT_NE(at, std::string::npos);
    description_ = text.replace(at, 19, "False");
    std::ofstream(src_ / "prg/Viewer/demo_viewer.exe", std::ios::binary) << std::string(3000, 'v');
    // The build generates the recording; a short stand-in serves here.
    std::ofstream(src_ / "prg/Courses/English/recording.dat", std::ios::binary)
        << std::string(2000, 'r');
    test::PeOptions pe;
    pe.fileVersion = test::MakeVersion(1, 2, 0, 5);
    std::ofstream(src_ / "prg/Viewer/demolib.dll", std::ios::binary) << test::BuildPeImage(pe);
    previous_ = fs::current_path();
    fs::current_path(src_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    OnAdjustInstaller() = nullptr;
  }

  std::string Source(const std::string& name) const {
    return InstallManagerFixture::ReadHost((src_ / "prg" / name).string());
  }
  std::string OnMedium(const std::string& name) const {
    return Unpacked(InstallManagerFixture::ReadHost((medium_ / name).string()));
  }

  test::TempDir root_;
  const fs::path src_ = root_.Path() / "example-src";
  const fs::path medium_ = root_.Path() / "example-medium";
  fs::path previous_;
  std::string description_;
};

TEST_F(InstallManagerExampleTest, BuildsEveryFileAndReadsBack) {
  std::unique_ptr<TComponent> root = StringToObject(description_);
  auto* manager = dynamic_cast<TInstallManager*>(root.get());
  ASSERT_NE(manager, nullptr);
  OnAdjustInstaller() = [](TInstallManager& m) {
    auto* media = GetOrCreateObjectAs<TCDRomManager>(m);
    m.SetCDRom(dynamic_cast<TRunCDRom*>(media->Child(0)));
  };
  manager->BeforeExecute();
  manager->Execute();

  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(medium_))
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), medium_).generic_string());
  EXPECT_EQ(files, (std::set<std::string>{
                       "run.cfg", "prg/Viewer/demo_viewer.ex_", "prg/Viewer/demolib.dl_",
                       "prg/Help/help.grp", "prg/Courses/English/lesson1.txt",
                       "prg/Courses/English/lesson2.txt", "prg/Courses/English/recording.dat",
                       "prg/Courses/German/lesson1.txt",
                       "prg/VokMnger/Bookcard/bookcard.grp"}));
  EXPECT_EQ(OnMedium("prg/Viewer/demo_viewer.ex_"), Source("Viewer/demo_viewer.exe"));
  EXPECT_EQ(OnMedium("prg/Viewer/demolib.dl_"), Source("Viewer/demolib.dll"));
  for (const char* course :
       {"Courses/English/lesson1.txt", "Courses/English/lesson2.txt", "Courses/German/lesson1.txt"})
    EXPECT_EQ(OnMedium(std::string("prg/") + course), Source(course));
  const std::string help = OnMedium("prg/Help/help.grp");
  for (const char* page : {"Help/index.txt", "Help/about.txt"})
    EXPECT_NE(help.find(Source(page)), std::string::npos) << page;

  auto german = StringToObject(Source("_Editpla.a08"));
  auto* card = dynamic_cast<TBookCard*>(german.get());
  ASSERT_NE(card, nullptr);
  EXPECT_EQ(card->Name(), "German_A8");
  EXPECT_EQ(card->MediumId(), "CDRUN_DEMO");
  EXPECT_EQ(card->MediumPath(), "Courses\\German\\");
  EXPECT_EQ(card->Viewer(), "CdrunDemo.Viewer");
  EXPECT_EQ(card->Language(), "CZ");
  EXPECT_EQ(card->LastLanguages(), "EN,CZ");
  EXPECT_NE(OnMedium("prg/VokMnger/Bookcard/bookcard.grp").find(Source("_Editpla.a08")),
            std::string::npos);

  const std::string text = InstallManagerFixture::ReadHost((medium_ / "run.cfg").string());
  EXPECT_LE(text.size(), 4096u);
  const std::string config = os::WindowsPath((medium_ / "run.cfg").string());
  std::unique_ptr<TVirtStream> stream = OpenVirtualFile(config);
  std::unique_ptr<TFilesManager> read = TFilesManager::CreateFromStream(*stream, config);
  EXPECT_EQ(read->PrgPath(), os::ExtractFilePath(config) + "prg\\");
  EXPECT_EQ(ObjectToString(read.get()), text);
  ASSERT_EQ(read->Viewers().Count(), 2);
  EXPECT_EQ(static_cast<TViewerItem*>(read->Viewers().Items(1))->DataName(), "German_A8");
  auto* library = dynamic_cast<TVersionValue*>(read->FindItem("Viewer\\demolib.dll"));
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(library->Version(), "1.2.0.5");
  EXPECT_FALSE(library->RegisterDLL());
  EXPECT_EQ(library->DestSize(), os::FileSize(library->GetFileName(kFileMediumSource)));
  EXPECT_EQ(library->Time(),
            os::FileAge(os::WindowsPath((src_ / "prg/Viewer/demolib.dll").string())));
}

}  // namespace
}  // namespace cd
