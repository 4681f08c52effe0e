// Consistency of viewers and media before a build: duplicate labels and Ids, instances and
// files that do not exist, file lists that are missing or circular, and the instance look-up.
#include <gtest/gtest.h>

#include <functional>

#include "base/exceptions.h"
#include "description_fixture.h"
#include "install/datum_value.h"
#include "install/file_group.h"
#include "install/files_manager.h"
#include "media/cdrom_manager.h"
#include "media/instance_lookup.h"
#include "media/run_cdrom.h"
#include "media/run_data.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "media/viewer_manager.h"

namespace cd {
namespace {

using test::DescriptionFixture;

std::string FailureOf(const std::function<void()>& check) {
  try {
    check();
  } catch (const Exception& e) {
    return e.Message();
  }
  return "";
}

class MediaChecksTest : public ::testing::Test, public DescriptionFixture {
 protected:
  std::string CheckMedia() {
    return FailureOf([&] { GetOrCreateObjectAs<TCDRomManager>(Manager())->CheckConsistence(); });
  }
  std::string CheckViewers() {
    return FailureOf([&] { Viewers().CheckConsistence(); });
  }
};

TEST_F(MediaChecksTest, LabelsDifferingOnlyInCaseAreDuplicatesNamedAtTheSecondMedium) {
  AddMedium("DISC1", "First disc");
  AddMedium("OTHER", "Other disc");
  AddMedium("disc1", "Second disc");
  EXPECT_EQ(CheckMedia(), "Duplicitni Vol Lab (disc1) in CD ROM \"Second disc\"");
}

TEST_F(MediaChecksTest, AllowDuplicateMediumIdOnEitherMediumLetsTheLabelRepeat) {
  for (int exempt = 0; exempt < 2; ++exempt) {
    DescriptionFixture description;
    TRunCDRom* media[] = {description.AddMedium("DISC1", "First"),
                          description.AddMedium("disc1", "Second")};
    media[exempt]->SetAllowDuplicateMediumId(true);
    EXPECT_NO_THROW(GetOrCreateObjectAs<TCDRomManager>(description.Manager())->CheckConsistence())
        << "exempt medium " << exempt;
  }
}

TEST_F(MediaChecksTest, LocationsAreNotLabels) {
  AddMedium("D:\\", "First");
  AddMedium("D:\\", "Second");
  AddMedium("http://example.org/cd/", "Web");
  AddMedium("HTTP://example.org/cd/", "Web again");
  AddMedium("", "No label");
  EXPECT_EQ(CheckMedia(), "");
}

TEST_F(MediaChecksTest, MediaCheckTheirChildrenFirst) {
  TRunCDRom* medium = AddMedium("DISC1", "Disc", {9});
  AddMedium("DISC1", "Again");
  EXPECT_EQ(CheckMedia(), "Instance with Id=9 in CD ROM \"Disc\" does not exist");
  medium->Instances().Clear();
  EXPECT_EQ(CheckMedia(), "Duplicitni Vol Lab (DISC1) in CD ROM \"Again\"");
}

TEST_F(MediaChecksTest, InstanceIdsAreUniqueAcrossViewers) {
  AddInstance(AddData(AddViewer("Player"), "English"), 7);
  TRunData* german = AddData(AddViewer("Other"), "German");
  AddInstance(german, 8);
  EXPECT_EQ(CheckViewers(), "");
  AddInstance(german, 7);
  EXPECT_EQ(CheckViewers(), "Duplicitni Id (7)");
}

TEST_F(MediaChecksTest, MediumInstancesMustExist) {
  AddInstance(AddData(AddViewer("Player"), "English"), 7);
  TRunCDRom* medium = AddMedium("DISC1", "Course disc", {7, 9, 10});
  EXPECT_EQ(FailureOf([&] { medium->CheckConsistence(); }),
            "Instance with Id=9 in CD ROM \"Course disc\" does not exist");
}

TEST_F(MediaChecksTest, MediumFilesMustBeFileItemsOrGroupMembers) {
  AddFile("Viewer\\view.exe");
  auto* group = new TFileGroup(&Files(), "Help\\help.grp");
  new TDatumValue(group, "Help\\index.txt");
  TRunCDRom* medium = AddMedium("DISC1", "Disc");
  medium->Files().Add("viewer\\VIEW.EXE");
  medium->Files().Add("Help\\index.txt");
  EXPECT_NO_THROW(medium->CheckConsistence());
  medium->Files().Add("Help\\keys.txt");
  EXPECT_EQ(FailureOf([&] { medium->CheckConsistence(); }),
            "TFilesManager.CheckList: Item \"Help\\keys.txt\" does not exist");
}

TEST_F(MediaChecksTest, MediumFilesExpandThroughFileLists) {
  AddFile("a.txt");
  AddFile("b.txt");
  AddList("Program", {"a.txt", "@Data"});
  AddList("Data", {"b.txt", "c.txt"});
  TRunCDRom* medium = AddMedium("DISC1", "Disc");
  medium->Files().Add("@program");
  EXPECT_EQ(FailureOf([&] { medium->CheckConsistence(); }),
            "TFilesManager.CheckList: Item \"c.txt\" does not exist");
  TStringList names;
  names.SetSorted(true);
  medium->Files().Add("B.TXT");
  medium->ExpandFiles(names);
  EXPECT_EQ(names.Items(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
}

TEST_F(MediaChecksTest, MissingAndCircularListsNameTheMedium) {
  AddList("A", {"@B"});
  AddList("B", {"@C"});
  AddList("C", {"@B"});
  TRunCDRom* medium = AddMedium("DISC1", "Disc");
  medium->Files().Add("@Nowhere");
  EXPECT_EQ(FailureOf([&] { medium->CheckConsistence(); }),
            "TFileList.Append: Item \"@Nowhere\" in \"Disc\" does not exist");
  medium->Files().Clear();
  medium->Files().Add("@A");
  EXPECT_EQ(FailureOf([&] { medium->CheckConsistence(); }),
            "TFileList.Append: Circular reference in \"Disc\"");
}

// A medium is not a list: a description equal to a list's name is no reference to itself.
TEST_F(MediaChecksTest, MediumDescribedLikeTheListItCarries) {
  AddFile("a.txt");
  AddList("Program", {"a.txt"});
  TRunCDRom* medium = AddMedium("DISC1", "Program");
  medium->Files().Add("@Program");
  EXPECT_NO_THROW(medium->CheckConsistence());
}

TEST_F(MediaChecksTest, FindInstanceWalksViewersDataAndInstancesInOrder) {
  TRunData* english = AddData(AddViewer("Player"), "English");
  TRunDataInstance* first = AddInstance(english, 7);
  TRunData* german = AddData(AddViewer("Other"), "German");
  AddInstance(german, 7);
  TRunDataInstance* eight = AddInstance(german, 8);
  EXPECT_EQ(FindInstance(Viewers(), 7), first);
  EXPECT_EQ(FindInstance(Viewers(), 8), eight);
  EXPECT_EQ(FindInstance(Viewers(), 9), nullptr);
  EXPECT_EQ(&DataOf(*eight), german);
  EXPECT_EQ(ViewerOf(*german).Name(), "Other");
}

TEST_F(MediaChecksTest, OtherChildrenInTheViewerTreeAreInvalidCasts) {
  TRunViewer* viewer = AddViewer("Player");
  AddInstance(AddData(viewer, "English"), 7);
  new TRunDataInstance(viewer);  // an instance straight below a viewer
  EXPECT_THROW(FindInstance(Viewers(), 8), EInvalidCast);
  EXPECT_THROW(Viewers().CheckConsistence(), EInvalidCast);
}

}  // namespace
}  // namespace cd
