// The install manager as the root of an installation description: its keys, the managers it
// reaches by class, the walk up from any run item, and a whole description through object text.
#include "runner/install_manager.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "install/e_manager.h"
#include "install/file_list.h"
#include "install/file_list_manager.h"
#include "install/files_manager.h"
#include "install/version_value.h"
#include "media/cdrom_manager.h"
#include "media/run_cdrom.h"
#include "media/run_data.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "media/viewer_manager.h"
#include "runner/all_classes.h"
#include "support/message_of.h"
#include "unit/install/round_trip.h"

namespace cd {
namespace {

class InstallManagerTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterAllClasses(); }
};

TEST_F(InstallManagerTest, RunItemsFindTheirInstallManager) {
  TInstallManager im(nullptr);
  auto* fm = GetOrCreateObjectAs<TFilesManager>(im);
  auto* item = new TVersionValue(fm, "a.dll");
  auto* media = GetOrCreateObjectAs<TCDRomManager>(im);
  auto* medium = new TRunCDRom(media);
  EXPECT_EQ(GetInstallManager(*item), &im);
  EXPECT_EQ(GetInstallManager(*medium), &im);
  EXPECT_EQ(&GetInstallManager(*medium)->AsList(), &im);
  EXPECT_EQ(GetOrCreateObjectAs<TFilesManager>(GetInstallManager(*item)->AsList()), fm);
  EXPECT_EQ(GetManager(medium), media);
}

class CountingObserver : public IConvertObserver {
 public:
  void Notify(TConvertFilter& filter) override {
    last = &filter;
    ++count;
  }
  TConvertFilter* last = nullptr;
  int count = 0;
};

TEST_F(InstallManagerTest, StepNotifiesTheObserverWhenThereIsOne) {
  TInstallManager im(nullptr);
  im.Step();  // no observer: nothing happens
  CountingObserver observer;
  im.SetObserver(&observer);
  IInstallManager& link = im;
  link.Step();
  im.Step();
  EXPECT_EQ(observer.count, 2);
  EXPECT_EQ(observer.last, &im);
}

TEST_F(InstallManagerTest, FileListsAreCheckedAgainstTheFilesManager) {
  TInstallManager im(nullptr);
  auto* lists = GetOrCreateObjectAs<TFileListManager>(im);
  auto* list = new TFileList(lists);
  list->SetName("Program");
  list->Files().Add("Pagent\\pgt2.exe");
  // No file items at all: the listed name is missing all the same.
  EXPECT_EQ(test::MessageOf([&] { lists->CheckConsistence(); }),
            "TFilesManager.CheckList: Item \"Pagent\\pgt2.exe\" does not exist");
  new TVersionValue(GetOrCreateObjectAs<TFilesManager>(im), "PAGENT\\pgt2.exe");
  EXPECT_NO_THROW(lists->CheckConsistence());
}

TEST_F(InstallManagerTest, WholeDescriptionRoundTrip) {
  TInstallManager im(nullptr);
  im.SetName("Build");
  im.SetDescr("Course build");
  im.SetInputBasicPath("D:\\src\\");
  im.SetDisk("D1");
  im.SetOutputBasicPath("D:\\out\\");
  im.SetIgnore(true);
  im.SetSourcePrgPath("D:\\data\\disk\\");
  im.SetDestPrgPath("D:\\cd\\prg\\");
  im.SetCDRomPrgSubPath("prg\\");
  im.SetConfigFileName("D:\\cd\\run.cfg");
  auto* fm = GetOrCreateObjectAs<TFilesManager>(im);
  new TVersionValue(fm, "Pagent\\pgt2.exe");
  auto* lists = GetOrCreateObjectAs<TFileListManager>(im);
  auto* program = new TFileList(lists);
  program->SetName("Program");
  program->Files().Add("Pagent\\pgt2.exe");
  auto* viewers = GetOrCreateObjectAs<TViewerManager>(im);
  auto* viewer = new TRunViewer(viewers);
  viewer->SetExePath("Pagent\\pgt2.exe");
  auto* data = new TRunData(viewer);
  data->SetName("Course");
  (new TRunDataInstance(data))->SetId(7);
  auto* media = GetOrCreateObjectAs<TCDRomManager>(im);
  auto* medium = new TRunCDRom(media);
  medium->SetMediumId("COURSE1");
  medium->Instances().Add(7);
  medium->Files().Add("@Program");

  auto copy = test::ExpectRoundTrip(im, R"(object Build: TInstallManager
  Descr = 'Course build'
  InputBasicPath = 'D:\src\'
  Disk = 'D1'
  OutputBasicPath = 'D:\out\'
  Ignore = True
  SourcePrgPath = 'D:\data\disk\'
  DestPrgPath = 'D:\cd\prg\'
  CDRomPrgSubPath = 'prg\'
  ConfigFileName = 'D:\cd\run.cfg'
  object TFilesManager
    Viewers = <>
    Version = 1
    object TVersionValue
      Path = 'Pagent\pgt2.exe'
    end
  end
  object TFileListManager
    object Program: TFileList
      Files.Strings = (
        'Pagent\pgt2.exe')
    end
  end
  object TViewerManager
    object TRunViewer
      ExePath = 'Pagent\pgt2.exe'
      object Course: TRunData
        object TRunDataInstance
          Id = 7
        end
      end
    end
  end
  object TCDRomManager
    object TRunCDRom
      MediumId = 'COURSE1'
      Instances.BinList = {0100000007000000}
      Files.Strings = (
        '@Program')
      RunData.InstallLang = 'EN'
    end
  end
end
)");
  auto* read = dynamic_cast<TInstallManager*>(copy.get());
  ASSERT_NE(read, nullptr);
  auto* readMedia = GetOrCreateObjectAs<TCDRomManager>(*read);
  EXPECT_EQ(read->ChildIndex(readMedia), 3);
  auto* readMedium = dynamic_cast<TRunCDRom*>(readMedia->Child(0));
  ASSERT_NE(readMedium, nullptr);
  EXPECT_EQ(GetInstallManager(*readMedium), read);
}

}  // namespace
}  // namespace cd
