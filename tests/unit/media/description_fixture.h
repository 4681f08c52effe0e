// An installation description in memory for the media tests: a stand-in for the runner's
// install manager over a temporary source folder mounted as drive T: (its real path on
// Windows), with helpers that add viewers, data sets, instances, media, files and lists.
#pragma once

#include <initializer_list>
#include <string>

#include "install/component_list.h"
#include "install/install_manager_link.h"
#include "support/temp_dir.h"

namespace cd {
class TFileItem;
class TFileList;
class TFilesManager;
class TRunCDRom;
class TRunData;
class TRunDataInstance;
class TRunViewer;
class TViewerManager;
}  // namespace cd

namespace cd::test {

class StandInInstallManager : public TComponentList, public IInstallManager {
 public:
  StandInInstallManager() : TComponentList(nullptr) {}
  TComponentList& AsList() override { return *this; }
  const std::string& SourcePrgPath() const override { return sourcePrgPath; }
  const std::string& DestPrgPath() const override { return destPrgPath; }
  void Step() override { ++steps; }

  std::string sourcePrgPath;
  std::string destPrgPath;
  int steps = 0;
};

class DescriptionFixture {
 public:
  DescriptionFixture();

  StandInInstallManager& Manager() { return manager_; }
  TViewerManager& Viewers();
  TFilesManager& Files();
  // Host name of a file below the temporary folder.
  std::string HostFile(const std::string& name) const { return root_.File(name); }

  TRunViewer* AddViewer(const std::string& name);
  TRunData* AddData(TRunViewer* viewer, const std::string& name, const std::string& descr = "");
  TRunDataInstance* AddInstance(TRunData* data, int id);
  // A medium below the CD-ROM manager carrying the instances.
  TRunCDRom* AddMedium(const std::string& mediumId, const std::string& descr,
                       std::initializer_list<int> instances = {});
  // A TDatumValue of the files manager.
  TFileItem* AddFile(const std::string& path);
  TFileList* AddList(const std::string& name, std::initializer_list<const char*> lines);

 private:
  TempDir root_;
  StandInInstallManager manager_;
};

}  // namespace cd::test
