// Viewers, data sets, instances and media through object text: keys in declaration order,
// defaults left out, integer lists as BinList, and the medium's own run data default.
#include <gtest/gtest.h>

#include "install/install_classes.h"
#include "media/cdrom_manager.h"
#include "media/media_classes.h"
#include "media/run_cdrom.h"
#include "media/run_data.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "media/viewer_manager.h"
#include "unit/install/round_trip.h"

namespace cd {
namespace {

using test::ExpectRoundTrip;

class MediaRoundTripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterInstallClasses();
    RegisterMediaClasses();
  }
};

TEST_F(MediaRoundTripTest, ViewerWithDataSetsAndInstances) {
  TViewerManager viewers(nullptr);
  auto* viewer = new TRunViewer(&viewers);
  viewer->SetName("Pagent");
  viewer->SetProgId("pgt2.Pagenter");
  viewer->SetExePath("Player\\play.exe");
  viewer->SetOptions(SetBit(ro_InstallMediaPlayer));
  viewer->SetLangsTxt("CZ,EN");
  viewer->SetLang("CZ");
  viewer->SetLangs("CZ,EN");
  viewer->SetShortDescr("Player");
  auto* data = new TRunData(viewer);
  data->SetName("Course");
  data->SetDescr("\"EN=Course\"");
  data->SetPath("Data\\Course\\");
  auto* instance = new TRunDataInstance(data);
  instance->SetId(7);
  instance->SetLangsTxt("EN");
  instance->SetLang("EN");
  instance->SetLangs("EN,DE");
  instance->SetPath("en\\");
  new TRunDataInstance(data);

  auto copy = ExpectRoundTrip(viewers, R"(object TViewerManager
  object Pagent: TRunViewer
    ProgId = 'pgt2.Pagenter'
    ExePath = 'Player\play.exe'
    Options = [ro_InstallMediaPlayer]
    LangsTxt = 'CZ,EN'
    Lang = 'CZ'
    Langs = 'CZ,EN'
    ShortDescr = 'Player'
    object Course: TRunData
      Descr = '"EN=Course"'
      Path = 'Data\Course\'
      object TRunDataInstance
        Id = 7
        LangsTxt = 'EN'
        Lang = 'EN'
        Langs = 'EN,DE'
        Path = 'en\'
      end
      object TRunDataInstance
      end
    end
  end
end
)");
  auto* readViewer = dynamic_cast<TRunViewer*>(copy->Components(0));
  ASSERT_NE(readViewer, nullptr);
  auto* readData = dynamic_cast<TRunData*>(readViewer->Child(0));
  ASSERT_NE(readData, nullptr);
  auto* readInstance = dynamic_cast<TRunDataInstance*>(readData->Child(0));
  ASSERT_NE(readInstance, nullptr);
  EXPECT_EQ(readInstance->Id(), 7);
  EXPECT_FALSE(readInstance->IsPlayerInstance());
}

TEST_F(MediaRoundTripTest, FreshMediumKeepsItsRunDataLanguage) {
  TCDRomManager media(nullptr);
  auto* medium = new TRunCDRom(&media);
  EXPECT_EQ(medium->RunData().InstallLang(), "EN");
  EXPECT_EQ(medium->RunData().GetOwner(), medium);
  ExpectRoundTrip(media, R"(object TCDRomManager
  object TRunCDRom
    RunData.InstallLang = 'EN'
  end
end
)");
  // A medium read without any RunData key still has "EN".
  auto read = StringToObject("object TRunCDRom\r\nend\r\n");
  auto* readMedium = dynamic_cast<TRunCDRom*>(read.get());
  ASSERT_NE(readMedium, nullptr);
  EXPECT_EQ(readMedium->RunData().InstallLang(), "EN");
  EXPECT_EQ(readMedium->Instances().Count(), 0);
  EXPECT_EQ(readMedium->Files().Count(), 0);
}

TEST_F(MediaRoundTripTest, MediumWithEveryKey) {
  TRunCDRom medium(nullptr);
  medium.SetName("Disc1");
  medium.SetMediumId("COURSE1");
  medium.SetDescr("Course disc 1");
  medium.Instances().Add(1);
  medium.Instances().Add(5);
  medium.Files().Add("@Program");
  medium.Files().Add("Pagent\\pgt2.exe");
  medium.SetPrgSubPath("prg\\");
  medium.RunData().SetInstallLang("CZ");
  medium.RunData().SetOptions(SetBit(ro_InstallDirectX));
  medium.RunData().SetAskPathName("DataPath");
  medium.RunData().SetAskPathNameDescr("\"EN=Data\"");
  medium.SetPgtLangsTxt("CZ=Czech");
  medium.SetPgtLang("CZ");
  medium.SetPgtLangs("CZ,EN");
  medium.SetPrgPrefixPath("http://server/cd/");
  medium.SetDestPrgPath("C:\\out\\");
  medium.SetConfigFileName("C:\\out\\run.cfg");
  medium.SetAllowDuplicateMediumId(true);

  auto copy = ExpectRoundTrip(medium, R"(object Disc1: TRunCDRom
  MediumId = 'COURSE1'
  Descr = 'Course disc 1'
  Instances.BinList = {020000000100000005000000}
  Files.Strings = (
    '@Program'
    'Pagent\pgt2.exe')
  PrgSubPath = 'prg\'
  RunData.InstallLang = 'CZ'
  RunData.Options = [ro_InstallDirectX]
  RunData.AskPathName = 'DataPath'
  RunData.AskPathNameDescr = '"EN=Data"'
  PgtLangsTxt = 'CZ=Czech'
  PgtLang = 'CZ'
  PgtLangs = 'CZ,EN'
  PrgPrefixPath = 'http://server/cd/'
  DestPrgPath = 'C:\out\'
  ConfigFileName = 'C:\out\run.cfg'
  AllowDuplicateMediumId = True
end
)");
  auto* read = dynamic_cast<TRunCDRom*>(copy.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Instances().Values(), (std::vector<int32_t>{1, 5}));
}

TEST_F(MediaRoundTripTest, InstancesGivenAsStringListAreWrittenAsBinList) {
  auto read = StringToObject(
      "object TRunCDRom\r\n"
      "  Instances.StringList = (\r\n"
      "    '3'\r\n"
      "    '4')\r\n"
      "end\r\n");
  auto* medium = dynamic_cast<TRunCDRom*>(read.get());
  ASSERT_NE(medium, nullptr);
  EXPECT_EQ(medium->Instances().Values(), (std::vector<int32_t>{3, 4}));
  EXPECT_NE(ObjectToString(medium).find("Instances.BinList = {"), std::string::npos);
}

}  // namespace
}  // namespace cd
