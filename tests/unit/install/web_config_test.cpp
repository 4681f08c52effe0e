// A run configuration read from a web server, stored or packed: the medium's base address
// that the files manager takes from the configuration's address, and an install from there.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/create_stream.h"
#include "engine_fixture.h"
#include "install/datum_value.h"
#include "install/install_classes.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"
#include "streams/virt_stream.h"
#include "support/http_server.h"

namespace cd::test {
namespace {

constexpr const char* kConfig =
    "object FilesManager: TFilesManager\n"
    "%s"
    "  object TDatumValue\n"
    "    Path = 'doc\\readme.txt'\n"
    "    InstalTarget = 'Disk'\n"
    "    DestSize = 2400\n"
    "    Time = 1345282048\n"
    "  end\n"
    "end\n";

class WebConfigTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterInstallClasses(); }

  // Puts run.cfg (with extra keys, packed when asked) into the medium folder.
  void WriteConfig(const std::string& keys, bool packed) {
    std::string text = kConfig;
    text.replace(text.find("%s"), 2, keys);
    if (packed) {
      // Padding keeps the text above the size below which nothing is packed.
      text += std::string(1200, ' ');
      TMemoryStream in(text), out;
      PackStream(in, out);
      text = out.Data();
    }
    EngineFixture::WriteFile(fx_.MediumFile("run.cfg"), text, 0);
  }

  std::unique_ptr<TFilesManager> Load(const std::string& configName) {
    TVirtStream stream(CreateStream(configName, 0, nullptr));
    return TFilesManager::CreateFromStream(stream, configName);
  }

  std::string MediumSource(const TFilesManager& manager) {
    return static_cast<TFileItem*>(manager.Child(0))->GetFileName(kFileMediumSource);
  }

  EngineFixture fx_;
  HttpServer server_{std::filesystem::path(fx_.MediumFile("x")).parent_path().parent_path()};
};

TEST_F(WebConfigTest, BaseAddressIsTheConfigurationsFolder) {
  for (bool packed : {false, true}) {
    WriteConfig("", packed);
    auto manager = Load(server_.Url("medium/run.cfg"));
    ASSERT_EQ(manager->ChildCount(), 1) << packed;
    EXPECT_EQ(manager->PrgPath(), server_.Url("medium/")) << packed;
    EXPECT_EQ(MediumSource(*manager), server_.Url("medium/doc/readme.txt")) << packed;
  }
}

TEST_F(WebConfigTest, SubpathFollowsTheFolderAndPrefixReplacesIt) {
  WriteConfig("  PrgSubpath = 'prg\\'\n", true);
  auto manager = Load(server_.Url("medium/run.cfg"));
  EXPECT_EQ(manager->PrgPath(), server_.Url("medium/prg\\"));
  EXPECT_EQ(MediumSource(*manager), server_.Url("medium/prg/doc/readme.txt"));

  WriteConfig("  PrgSubpath = 'prg\\'\n  PrgPrefixPath = 'http://mirror/cd/'\n", false);
  manager = Load(server_.Url("medium/run.cfg"));
  EXPECT_EQ(manager->PrgPath(), "http://mirror/cd/prg\\");
  EXPECT_EQ(MediumSource(*manager), "http://mirror/cd/prg/doc/readme.txt");
}

// An address written with backslashes loads with forward slashes; the folder part ends at the
// last delimiter of either kind, and the medium's names come out with forward slashes.
TEST_F(WebConfigTest, BackslashedAddressInstallsFromTheSameFolder) {
  WriteConfig("", true);
  EngineFixture::WriteFile(fx_.MediumFile("doc/readme.txt"), std::string(2400, 'r'), 0);
  std::string name = server_.Url("medium\\run.cfg");
  name.replace(0, 4, "HTTP");
  auto manager = Load(name);
  EXPECT_EQ(manager->PrgPath(), name.substr(0, name.size() - 7));
  EXPECT_EQ(MediumSource(*manager), "HTTP" + server_.Url("medium/doc/readme.txt").substr(4));

  manager->Targets().Add("Disk=" + fx_.DiskPath());
  RecordingCallback callback;
  EXPECT_EQ(manager->PrepareUpdate(&callback), 2400);
  manager->Update(&callback);
  EXPECT_EQ(EngineFixture::ReadFile(fx_.DiskFile("doc/readme.txt")), std::string(2400, 'r'));
}

}  // namespace
}  // namespace cd::test
