// Library cards and network settings through object text: inherited form keys first, the
// data sources with a value of the kind their type names, defaults left out.
#include <gtest/gtest.h>

#include "library/book_card.h"
#include "library/cdrom_source_value.h"
#include "library/disc_source_value.h"
#include "library/library_classes.h"
#include "library/vok_net_envir.h"
#include "unit/install/round_trip.h"

namespace cd {
namespace {

using test::ExpectRoundTrip;

class LibraryRoundTripTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterLibraryClasses(); }
};

TEST_F(LibraryRoundTripTest, FreshCardWritesNothing) {
  TBookCard card(nullptr);
  EXPECT_EQ(card.AddressName(), "***");
  ExpectRoundTrip(card, R"(object TBookCard
  DataSources = <>
end
)");
}

TEST_F(LibraryRoundTripTest, CardWithEveryKeyAndBothKindsOfDataSource) {
  TBookCard card(nullptr);
  card.SetName("Course_A7");
  card.SetDescription("Course disc 1");
  card.SetAddressName("Start");
  card.ParList().Add("a=1");
  card.SetAnces("Base");
  card.SetViewer("pgt2.Pagenter");
  card.SetLanguage("EN");
  card.SetLastLanguages("EN,DE");
  card.SetPars("-x");
  card.SetMediumId("COURSE1");
  card.SetMediumPath("Data\\Course\\");
  card.SetTitleDescr("\"EN=Course\"");
  card.SetTitleName("Course");
  card.SetViewerName("Player");
  card.Publishers().Add("Tarnwell");
  card.SetDate("2001-03-15");
  card.DataClass().Add("Lessons");
  TDataSourceItem* cd = card.DataSources().Add();
  cd->SetDataDescription("CD");
  cd->SetCommandLine("-cd");
  auto& cdValue = static_cast<TCDRomSourceValue&>(cd->Value());
  cdValue.SetPriority(2);
  cdValue.SetSourceDescr("Disc");
  cdValue.SetDataServer("srv");
  cdValue.SetPath("\\Data\\");
  cdValue.SetVolLab("COURSE1");
  TDataSourceItem* disc = card.DataSources().Add();
  disc->SetDataSourceType(1);
  static_cast<TDiscSourceValue&>(disc->Value()).SetDrive("D:");
  card.SetFileName("C:\\Windows\\Vok\\VokMnger\\BookCard\\_Editpla.a07");

  auto copy = ExpectRoundTrip(card, R"(object Course_A7: TBookCard
  Description = 'Course disc 1'
  AddressName = 'Start'
  ParList.Strings = (
    'a=1')
  Ances = 'Base'
  Viewer = 'pgt2.Pagenter'
  Language = 'EN'
  LastLanguages = 'EN,DE'
  Pars = '-x'
  MediumId = 'COURSE1'
  MediumPath = 'Data\Course\'
  TitleDescr = '"EN=Course"'
  TitleName = 'Course'
  ViewerName = 'Player'
  Publishers.Strings = (
    'Tarnwell')
  Date = '2001-03-15'
  DataClass.Strings = (
    'Lessons')
  DataSources = <
    item
      DataDescription = 'CD'
      CommandLine = '-cd'
      Value.Priority = 2
      Value.SourceDescr = 'Disc'
      Value.DataServer = 'srv'
      Value.Path = '\Data\'
      Value.VolLab = 'COURSE1'
    end
    item
      DataSourceType = 1
      Value.Priority = 0
      Value.Drive = 'D:'
    end>
  FileName = 'C:\Windows\Vok\VokMnger\BookCard\_Editpla.a07'
end
)");
  auto* read = dynamic_cast<TBookCard*>(copy.get());
  ASSERT_NE(read, nullptr);
  ASSERT_EQ(read->DataSources().Count(), 2);
  EXPECT_EQ(read->DataSources().GetOwner(), read);
  EXPECT_TRUE(read->DataSources().Items(0)->Value().Equals(&cdValue));
  EXPECT_EQ(read->DataSources().Items(1)->DataSourceType(), 1);
}

TEST_F(LibraryRoundTripTest, NetworkSettingsAlwaysWriteEnableNewUser) {
  TVokNetEnvir fresh(nullptr);
  ExpectRoundTrip(fresh, R"(object TVokNetEnvir
  EnableNewUser = False
end
)");

  TVokNetEnvir env(nullptr);
  env.SetName("VokNet");
  env.SetBasicPath("X:\\NET\\");
  env.SetVolumeLabel("NETDISK");
  env.SetSupervisorMode(TBooleanEx::be_False);
  env.SetCDRomPath("E:\\");
  env.SetCourseVolumeLabel("COURSE1");
  env.SetNetDiskPath("X:\\NET\\COURSE\\");
  env.SetNetVolLab("COURSE");
  env.SetNetUserDir("X:\\NET\\Users\\");
  env.SetEnableNewUser(true);
  env.SetLang("CZ");
  env.Strings().Add("not stored");
  auto copy = ExpectRoundTrip(env, R"(object VokNet: TVokNetEnvir
  BasicPath = 'X:\NET\'
  VolumeLabel = 'NETDISK'
  SupervisorMode = be_False
  CDRomPath = 'E:\'
  CourseVolumeLabel = 'COURSE1'
  NetDiskPath = 'X:\NET\COURSE\'
  NetVolLab = 'COURSE'
  NetUserDir = 'X:\NET\Users\'
  EnableNewUser = True
  Lang = 'CZ'
end
)");
  auto* read = dynamic_cast<TVokNetEnvir*>(copy.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->SupervisorMode(), TBooleanEx::be_False);
  EXPECT_EQ(read->Strings().Count(), 0);
}

}  // namespace
}  // namespace cd
