// The example medium built by the cdbuild program: its arguments and messages, the medium's
// files one by one against the sources, the library cards, the recorded versions and dates,
// and the run configuration read back by the files manager.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "config/config_io.h"
#include "install/datum_value.h"
#include "install/file_item.h"
#include "install/files_manager.h"
#include "install/version_value.h"
#include "install/viewer_item.h"
#include "library/book_card.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "runner/all_classes.h"
#include "streams/virt_stream.h"
#include "support/packed_data.h"
#include "support/temp_dir.h"
#include "tool_run.h"

namespace cd {
namespace {

namespace fs = std::filesystem;
using test::AsInstalled;
using test::ReadHost;
using test::Unpacked;

class BuildExampleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAllClasses();
    fs::copy(CD_EXAMPLE_SRC, src_, fs::copy_options::recursive);
  }

  // Runs cdbuild with the arguments, its output caught in a file.
  test::ToolRun Cdbuild(const std::string& arguments) {
    return test::RunTool(CD_CDBUILD, arguments, root_.Path() / "cdbuild.log");
  }

  std::string Description() const { return "\"" + (src_ / "install.otx").string() + "\""; }

  test::TempDir root_;
  const fs::path src_ = root_.Path() / "example-src";
  const fs::path medium_ = root_.Path() / "example-medium";
};

TEST_F(BuildExampleTest, HelpListAndWrongArguments) {
  test::ToolRun help = Cdbuild("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("Usage: cdbuild DESCRIPTION --list"), std::string::npos);
  test::ToolRun list = Cdbuild(Description() + " --list");
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.output, "1\tCDRUN_DEMO\tcdrun demo disc\n");
#ifndef _WIN32
  // Listing only reads: a drive map that does not exist yet is not made.
  const std::string previousRoot = std::getenv("CDRUN_ROOT") ? std::getenv("CDRUN_ROOT") : "";
  setenv("CDRUN_ROOT", (root_.Path() / "new-root").string().c_str(), 1);
  EXPECT_EQ(Cdbuild(Description() + " --list").status, 0);
  setenv("CDRUN_ROOT", previousRoot.c_str(), 1);
  EXPECT_FALSE(fs::exists(root_.Path() / "new-root"));
#endif
  EXPECT_EQ(Cdbuild(Description()).status, 2);
  test::ToolRun unknown = Cdbuild(Description() + " --medium NOSUCH");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_NE(unknown.output.find("cdbuild: the description has no medium \"NOSUCH\""),
            std::string::npos);
  test::ToolRun missing = Cdbuild("\"" + (root_.Path() / "none.otx").string() + "\" --list");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.output.find("cannot find the description"), std::string::npos);
  EXPECT_FALSE(fs::exists(medium_));
}

// Every file of the medium by its path relative to the medium, apart from what holds the
// time stamps of the library cards, which each build writes anew: the card group and the
// sums are left out, and the configuration's time lines.
std::map<std::string, std::string> MediumFiles(const fs::path& medium) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(medium)) {
    const std::string name = fs::relative(entry.path(), medium).generic_string();
    if (!entry.is_regular_file() || name == "prg/VokMnger/Bookcard/bookcard.grp") continue;
    std::string bytes = ReadHost(entry.path());
    // Each build writes its cards anew, with the time of the build in them: their times, and
    // the size of the card group, which packs those times, change from one build to the next
    // (by a byte now and then).
    const char* changing = name == "run.cfg"      ? "Time"
                           : name == "SHA256SUMS" ? "run.cfg|bookcard.grp"
                                                  : nullptr;
    if (changing) {
      std::istringstream lines(bytes);
      bytes.clear();
      bool afterCardGroup = false;
      for (std::string line; std::getline(lines, line);) {
        const bool cardGroupSize = afterCardGroup && line.find("DestSize") != std::string::npos;
        afterCardGroup = line.find("bookcard.grp'") != std::string::npos;
        if (!cardGroupSize && !std::regex_search(line, std::regex(changing))) bytes += line + "\n";
      }
    }
    files[name] = bytes;
  }
  return files;
}

TEST_F(BuildExampleTest, SameMediumOnOneThreadAndOnMany) {
  test::ToolRun one = Cdbuild(Description() + " --medium 1 --jobs 1");
  ASSERT_EQ(one.status, 0) << one.output;
  const std::map<std::string, std::string> serial = MediumFiles(medium_);
  test::ToolRun parallel = Cdbuild(Description() + " --medium 1 --jobs 8");
  ASSERT_EQ(parallel.status, 0) << parallel.output;
  EXPECT_EQ(MediumFiles(medium_), serial);
  // The bytes on the medium include the card group, whose size follows the build's time.
  const auto summary = [](const std::string& output) {
    return std::regex_replace(output.substr(output.find("Built medium")),
                              std::regex(", [0-9]+ on the medium"), "");
  };
  EXPECT_EQ(summary(parallel.output), summary(one.output));
  test::ToolRun wrong = Cdbuild(Description() + " --medium 1 --jobs 0");
  EXPECT_EQ(wrong.status, 2);
  EXPECT_NE(wrong.output.find("--jobs needs a number of threads from 1 to 1000, not \"0\""),
            std::string::npos)
      << wrong.output;
}

TEST_F(BuildExampleTest, TheMediumFileByFile) {
  test::ToolRun build = Cdbuild(Description() + " --medium 1");
  ASSERT_EQ(build.status, 0) << build.output;
  EXPECT_NE(build.output.find("Built medium CDRUN_DEMO"), std::string::npos) << build.output;
  EXPECT_NE(build.output.find("library cards:  2 written"), std::string::npos) << build.output;

  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(medium_))
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), medium_).generic_string());
  EXPECT_EQ(files,
            (std::set<std::string>{
                "run.cfg", "SHA256SUMS", "prg/Viewer/demo_viewer.ex_", "prg/Viewer/demolib.dl_",
                "prg/Help/help.grp", "prg/Courses/English/lesson1.txt",
                "prg/Courses/English/lesson2.txt", "prg/Courses/English/recording.dat",
                "prg/Courses/German/lesson1.txt", "prg/VokMnger/Bookcard/bookcard.grp"}));
  const fs::path prg = src_ / "prg";
  EXPECT_EQ(AsInstalled(ReadHost(medium_ / "prg/Viewer/demo_viewer.ex_")),
            ReadHost(prg / "Viewer/demo_viewer.exe"));
  EXPECT_EQ(AsInstalled(ReadHost(medium_ / "prg/Viewer/demolib.dl_")),
            ReadHost(prg / "Viewer/demolib.dll"));
  for (const char* course : {"English/lesson1.txt", "English/lesson2.txt", "German/lesson1.txt"})
    EXPECT_EQ(AsInstalled(ReadHost(medium_ / "prg/Courses" / course)),
              ReadHost(prg / "Courses" / course));
  const std::string help = AsInstalled(ReadHost(medium_ / "prg/Help/help.grp"));
  EXPECT_NE(help.find(ReadHost(prg / "Help/index.txt")), std::string::npos);
  EXPECT_NE(help.find(ReadHost(prg / "Help/about.txt")), std::string::npos);

  // The library cards lie beside the sources, and the card group carries each whole.
  const std::string cards = AsInstalled(ReadHost(medium_ / "prg/VokMnger/Bookcard/bookcard.grp"));
  EXPECT_TRUE(fs::exists(prg / "_Editpla.a07"));
  EXPECT_NE(cards.find("English_A7"), std::string::npos);
  const std::string germanCard = ReadHost(prg / "_Editpla.a08");
  EXPECT_NE(cards.find(germanCard), std::string::npos);
  auto german = StringToObject(germanCard);
  auto* card = dynamic_cast<TBookCard*>(german.get());
  ASSERT_NE(card, nullptr);
  EXPECT_EQ(card->Name(), "German_A8");
  EXPECT_EQ(card->MediumId(), "CDRUN_DEMO");
  EXPECT_EQ(card->MediumPath(), "Courses\\German\\");
  EXPECT_EQ(card->Viewer(), "CdrunDemo.Viewer");
  EXPECT_EQ(card->Language(), "CZ");
  EXPECT_EQ(card->LastLanguages(), "EN,CZ");

  // A text configuration of 4096 bytes or less is written as it is.
  const std::string text = ReadHost(medium_ / "run.cfg");
  EXPECT_LE(text.size(), 4096u);
  const std::string config = os::WindowsPath((medium_ / "run.cfg").string());
  std::unique_ptr<TVirtStream> stream = OpenVirtualFile(config);
  std::unique_ptr<TFilesManager> read = TFilesManager::CreateFromStream(*stream, config);
  EXPECT_EQ(read->PrgPath(), os::ExtractFilePath(config) + "prg\\");
  EXPECT_EQ(ObjectToString(read.get()), text);
  auto* library = dynamic_cast<TVersionValue*>(read->FindItem("Viewer\\demolib.dll"));
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(library->Version(), "1.2.0.5");
#ifdef _WIN32
  EXPECT_TRUE(library->RegisterDLL());
#else
  EXPECT_FALSE(library->RegisterDLL());  // a POSIX host cannot load the library
#endif
  ASSERT_EQ(read->Viewers().Count(), 2);
  auto entry = [&](int i) { return static_cast<TViewerItem*>(read->Viewers().Items(i)); };
  EXPECT_EQ(entry(0)->Exe(), "Viewer\\demo_viewer.exe");
  EXPECT_EQ(entry(0)->DataName(), "English_A7");
  EXPECT_EQ(entry(1)->DataName(), "German_A8");
  EXPECT_EQ(read->RunData().AskPathName(), "DataPath");
  // Eight file items and the selection outline.
  ASSERT_EQ(read->ChildCount(), 9);
  EXPECT_EQ(static_cast<TFileItem*>(read->Child(0))->Path(), "VokMnger\\Bookcard\\bookcard.grp");
  for (int i = 0; i < read->ChildCount(); ++i) {
    auto* item = dynamic_cast<TFileItem*>(read->Child(i));
    if (!item) continue;
    const std::string onMedium = item->GetFileName(kFileMediumSource);
    EXPECT_EQ(item->DestSize(), os::FileSize(onMedium)) << item->Path();
    auto* datum = dynamic_cast<TDatumValue*>(item);
    if (!datum || item->ChildCount() > 0) continue;
    std::string source = item->Path();
    std::replace(source.begin(), source.end(), '\\', '/');
    EXPECT_EQ(datum->Time(), os::FileAge(os::WindowsPath((prg / source).string()))) << source;
  }
}

// A small file that begins with the packing signature goes onto the medium packed, the summary
// says so (for a group member unpacked on the user's disk too), and the packed form gives back
// its bytes; the sizes before count every group member.
TEST(BuildSummaryTest, NamesFilesPackedForTheirSignature) {
  test::TempDir root;
  fs::create_directories(root.Path() / "prg");
  const std::string looksPacked = std::string("\x2C\x91\x4A\xE3", 4) + "8 bytes.";
  for (const char* name : {"prg/signed.dat", "prg/member.dat"})
    std::ofstream(root.Path() / name, std::ios::binary) << looksPacked;
  std::ofstream(root.Path() / "prg/plain.dat", std::ios::binary) << "plain";
  std::ofstream(root.Path() / "install.otx", std::ios::binary)
      << "object Build: TInstallManager\n"
         "  SourcePrgPath = 'prg\\'\n"
         "  DestPrgPath = 'medium\\prg\\'\n"
         "  ConfigFileName = 'medium\\run.cfg'\n"
         "  object TFilesManager\n"
         "    object TDatumValue\n      Path = 'signed.dat'\n    end\n"
         "    object TDatumValue\n      Path = 'plain.dat'\n    end\n"
         "    object TFileGroup\n      Path = 'both.grp'\n"
         "      object TDatumValue\n        Path = 'member.dat'\n"
         "        Flags = [fg_GroupItemDeompressToUserDisk]\n      end\n"
         "      object TDatumValue\n        Path = 'plain.dat'\n      end\n"
         "    end\n"
         "  end\n"
         "  object TCDRomManager\n"
         "    object TRunCDRom\n"
         "      MediumId = 'SIGNED'\n"
         "      Files.Strings = (\n        'signed.dat'\n        'plain.dat'\n        'both.grp')\n"
         "    end\n"
         "  end\n"
         "end\n";
  const test::ToolRun build =
      test::RunTool(CD_CDBUILD, "\"" + (root.Path() / "install.otx").string() + "\" --medium 1",
                    root.Path() / "cdbuild.log");
  ASSERT_EQ(build.status, 0) << build.output;
  EXPECT_NE(build.output.find("files:          3 on the medium, 1 packed, 2 stored unchanged"),
            std::string::npos)
      << build.output;
  EXPECT_NE(build.output.find("bytes:          34 before"), std::string::npos) << build.output;
  EXPECT_NE(build.output.find("signature:      2 packed although stored"), std::string::npos)
      << build.output;
  const std::string onMedium = ReadHost(root.Path() / "medium/prg/signed.dat");
  EXPECT_NE(onMedium, looksPacked);
  EXPECT_EQ(Unpacked(onMedium), looksPacked);
}

}  // namespace
}  // namespace cd
