// Every installation-engine class through object text: all keys set differ from their defaults
// and come out in declaration order; defaults are left out; derived keys are ignored on read.
#include <gtest/gtest.h>

#include "config/class_registry.h"
#include "config/object_reader.h"
#include "config/object_writer.h"
#include "install/file_group.h"
#include "install/file_list.h"
#include "install/file_list_manager.h"
#include "install/files_manager.h"
#include "install/install_classes.h"
#include "install/libman_info_value.h"
#include "install/media_viewer_value.h"
#include "install/registration_value.h"
#include "install/viewer_item.h"
#include "outline/html_node.h"
#include "outline/object_outline.h"
#include "outline/outline_lines.h"
#include "unit/install/round_trip.h"

namespace cd {
namespace {

using test::ExpectRoundTrip;

class InstallRoundTripTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterInstallClasses(); }
};

// Every kind of run item is registered, the plain ones too, and is named in the registry as
// written.
TEST_F(InstallRoundTripTest, EveryRunItemKindIsRegistered) {
  for (const char* name :
       {"TComponentList", "TEItem", "TEManager", "TFilesManager", "TFileListManager", "TFileItem",
        "TFileGroup", "TDatumValue", "TVersionValue", "TRegistrationValue", "TMediaViewerValue",
        "TLibmanInfoValue", "TFileList"}) {
    const TClassInfo* cls = GetClass(name);
    ASSERT_NE(cls, nullptr) << name;
    EXPECT_EQ(cls->name, name);
  }
  EXPECT_NE(GetClass("TObjectOutline"), nullptr);  // the selection outline and its nodes
  EXPECT_NE(GetClass("THTMLNode"), nullptr);
}

// A files manager with three selection outlines of the same nodes, stored as nested objects,
// as "BinNodes" and as "Nodes". Each comes back in its own form, byte for byte, through the
// binary form and (the first two; "Nodes" holds raw record bytes) through object text.
TEST_F(InstallRoundTripTest, SelectionOutlinesInEveryNodeFormWriteBackTheSameBytes) {
  using TNodeForm = TOutlineTree::TNodeForm;
  TFilesManager fm(nullptr);
  for (TNodeForm form : {TNodeForm::Nested, TNodeForm::BinNodes, TNodeForm::Nodes}) {
    auto* outline = new TObjectOutline(&fm);
    outline->SetName("Sel" + std::to_string(static_cast<int>(form)));
    LoadOutlineLines(*outline, "Program\nCourses\n\tEnglish\n\tGerman\nHelp\n");
    auto* html = new THTMLNode(nullptr);
    html->SetText("\"EN=Page\",\"CZ=Strana\"");
    html->SetId(70000);
    html->SetFontStyle(1);
    outline->Items(3).AddChild(std::unique_ptr<TOutlineNode>(html));
    outline->SetNodeForm(form);
    outline->Loaded();  // numbered as a read outline is
  }
  const auto binary = [](const TComponent& root) {
    std::string bytes;
    TObjectWriter(bytes).WriteRoot(root);
    return bytes;
  };
  const std::string bytes = binary(fm);
  std::unique_ptr<TComponent> read = TObjectReader(bytes).ReadRoot();
  EXPECT_EQ(binary(*read), bytes);
  for (int i = 0; i < 3; ++i) {
    auto& copy = dynamic_cast<TObjectOutline&>(*read->Components(i));
    EXPECT_EQ(static_cast<int>(copy.NodeForm()), i);
    EXPECT_EQ(OutlineLines(copy), OutlineLines(dynamic_cast<TObjectOutline&>(*fm.Components(i))));
  }

  delete fm.Components(2);
  const std::string text = ObjectToString(&fm);
  EXPECT_NE(text.find("    BinNodes = {"), std::string::npos);
  EXPECT_NE(text.find("    object THTMLNode\r\n          Id = 70000"), std::string::npos);
  EXPECT_EQ(ObjectToString(StringToObject(text).get()), text);
}

TEST_F(InstallRoundTripTest, FreshObjectsWriteOnlyWhatHasNoDefault) {
  TFilesManager fm(nullptr);
  new TFileItem(&fm);
  new TVersionValue(&fm);
  auto* list = new TFileListManager(&fm);
  new TFileList(list);
  ExpectRoundTrip(fm, R"(object TFilesManager
  Viewers = <>
  Version = 1
  object TFileItem
  end
  object TVersionValue
  end
  object TFileListManager
    object TFileList
    end
  end
end
)");
}

TEST_F(InstallRoundTripTest, FilesManagerWithRunDataViewersAndItems) {
  TFilesManager fm(nullptr);
  fm.SetName("FM");
  fm.SetTag(-3);
  fm.SetPrgSubpath("prg\\");
  for (auto [exe, data, descr] :
       {std::tuple{"Player\\play.exe", "Course_A7", "Course"}, std::tuple{"", "", "Empty"}}) {
    auto* item = static_cast<TViewerItem*>(fm.Viewers().Add());
    item->SetExe(exe);
    item->SetDataName(data);
    item->SetDescr(descr);
  }
  fm.RunData().SetInstallLang("CZ");
  fm.RunData().SetOptions(SetBit(ro_InstallDirectX) | SetBit(ro_InstallMediaPlayer));
  fm.RunData().SetAskPathName("DATA");
  fm.RunData().SetAskPathNameDescr("\"EN=Where?\"");
  fm.RunData().SetDisplayVersion("2.1");
  fm.RunData().SetPublisher("\"EN=Tarnwell\",\"CZ=Tarnwell s.r.o.\"");
  fm.SetPrgPrefixPath("D:\\cd\\");
  fm.SetVersion(2);

  auto* file = new TFileItem(&fm, "a.exe=b.exe");
  file->SetName("Single");
  file->SetInstalTarget("WinSystem");
  file->SetDestSize(1234);
  file->SetFlags(SetBit(fg_SingleNotCompress) | SetBit(fg_ErrorIfExists));

  auto* datum = new TDatumValue(&fm, "doc\\read.txt");
  datum->SetTime(0x3A214C00);
  datum->SetIgnoreUserInstallError(true);

  auto* version = new TRegistrationValue(&fm, "bin\\srv.exe");
  version->SetInstalTarget("BasicPrgPath");
  version->SetTime(0x3A214C00);
  version->SetVer2(0x00050001);
  version->SetVer1(-1);
  version->SetRegisterDLL(true);

  auto copy = ExpectRoundTrip(fm, R"(object FM: TFilesManager
  Tag = -3
  PrgSubpath = 'prg\'
  Viewers = <
    item
      Exe = 'Player\play.exe'
      DataName = 'Course_A7'
      Descr = 'Course'
    end
    item
      Descr = 'Empty'
    end>
  RunData.InstallLang = 'CZ'
  RunData.Options = [ro_InstallDirectX, ro_InstallMediaPlayer]
  RunData.AskPathName = 'DATA'
  RunData.AskPathNameDescr = '"EN=Where?"'
  RunData.DisplayVersion = '2.1'
  RunData.Publisher = '"EN=Tarnwell","CZ=Tarnwell s.r.o."'
  PrgPrefixPath = 'D:\cd\'
  Version = 2
  object Single: TFileItem
    Path = 'a.exe=b.exe'
    InstalTarget = 'WinSystem'
    DestSize = 1234
    Flags = [fg_SingleNotCompress, fg_ErrorIfExists]
  end
  object TDatumValue
    Path = 'doc\read.txt'
    TimeAsText = '01/01/2009 09:32:00'
    Time = 975260672
    IgnoreUserInstallError = True
  end
  object TRegistrationValue
    Path = 'bin\srv.exe'
    InstalTarget = 'BasicPrgPath'
    TimeAsText = '01/01/2009 09:32:00'
    Time = 975260672
    Version = '5.1.65535.65535'
    Ver1 = -1
    Ver2 = 327681
    RegisterDLL = True
  end
end
)");
  auto* read = dynamic_cast<TFilesManager*>(copy.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->RunData().Options(), 3u);
  EXPECT_EQ(read->RunData().GetOwner(), read);
  ASSERT_EQ(read->ChildCount(), 3);
  auto* readVersion = dynamic_cast<TRegistrationValue*>(read->Child(2));
  ASSERT_NE(readVersion, nullptr);
  EXPECT_EQ(readVersion->Version64(), 0x00050001FFFFFFFFll);
}

TEST_F(InstallRoundTripTest, GroupsListsAndSpecialValuesKeepTheirMembers) {
  TFilesManager fm(nullptr);
  auto* group = new TFileGroup(&fm, "VokMnger\\Bookcard\\bookcard.grp");
  group->SetFlags(SetBit(fg_GroupNotCompress));
  group->SetDestSize(812);
  auto* card = new TLibmanInfoValue(group, "_Editpla.a07=VokMnger\\Bookcard\\_Editpla.a07");
  card->SetFlags(SetBit(fg_GroupItemCompress) | SetBit(fg_GroupItemCompressToUserDisk) |
                 SetBit(fg_GroupItemDeompressToUserDisk));
  auto* player = new TMediaViewerValue(&fm, "mpfull.exe");
  player->SetVer2(0x00060004);
  player->SetPlayerPresent(true);  // run-time only: not written
  auto* lists = new TFileListManager(&fm);
  lists->SetName("Lists");
  auto* all = new TFileList(lists);
  all->SetName("All");
  all->Files().Add("mpfull.exe");
  all->Files().Add("@Cards");
  (new TFileList(lists))->SetName("Cards");

  auto copy = ExpectRoundTrip(fm, R"(object TFilesManager
  Viewers = <>
  Version = 1
  object TFileGroup
    Path = 'VokMnger\Bookcard\bookcard.grp'
    DestSize = 812
    Flags = [fg_GroupNotCompress]
    object TLibmanInfoValue
      Path = '_Editpla.a07=VokMnger\Bookcard\_Editpla.a07'
      Flags = [fg_GroupItemCompress, fg_GroupItemCompressToUserDisk, fg_GroupItemDeompressToUserDisk]
    end
  end
  object TMediaViewerValue
    Path = 'mpfull.exe'
    Version = '6.4.0.0'
    Ver2 = 393220
  end
  object Lists: TFileListManager
    object All: TFileList
      Files.Strings = (
        'mpfull.exe'
        '@Cards')
    end
    object Cards: TFileList
    end
  end
end
)");
  auto* read = dynamic_cast<TFilesManager*>(copy.get());
  ASSERT_NE(read, nullptr);
  auto* readGroup = dynamic_cast<TFileGroup*>(read->Child(0));
  ASSERT_NE(readGroup, nullptr);
  ASSERT_EQ(readGroup->ChildCount(), 1);
  EXPECT_EQ(readGroup->Child(0)->Owner(), readGroup);
  auto* readPlayer = dynamic_cast<TMediaViewerValue*>(read->Child(1));
  ASSERT_NE(readPlayer, nullptr);
  EXPECT_FALSE(readPlayer->PlayerPresent());
}

TEST_F(InstallRoundTripTest, DerivedKeysAreIgnoredWhenRead) {
  auto object = StringToObject(
      "object TVersionValue\r\n"
      "  TimeAsText = '31/12/1999 23:59:58'\r\n"
      "  Version = '9.9.9.9'\r\n"
      "  Time = 5\r\n"
      "  Ver1 = 7\r\n"
      "end\r\n");
  auto* value = dynamic_cast<TVersionValue*>(object.get());
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->Time(), 5);
  EXPECT_EQ(value->Ver1(), 7);
  EXPECT_EQ(value->Ver2(), 0);
  EXPECT_EQ(value->Version(), "0.0.0.7");
}

TEST_F(InstallRoundTripTest, PositionInBracketsIsIgnoredOnRead) {
  auto object = StringToObject(
      "object TFilesManager\r\n"
      "  object First: TFileItem [1]\r\n"
      "  end\r\n"
      "  object Second: TFileItem [0]\r\n"
      "  end\r\n"
      "end\r\n");
  auto* fm = dynamic_cast<TFilesManager*>(object.get());
  ASSERT_NE(fm, nullptr);
  ASSERT_EQ(fm->ChildCount(), 2);
  EXPECT_EQ(fm->Child(0)->Name(), "First");
  EXPECT_EQ(fm->Child(1)->Name(), "Second");
}

}  // namespace
}  // namespace cd
