// The in-memory installation description of the media tests.
#include "description_fixture.h"

#include <filesystem>

#include "install/datum_value.h"
#include "install/file_list.h"
#include "install/file_list_manager.h"
#include "install/files_manager.h"
#include "install/install_classes.h"
#include "library/library_classes.h"
#include "media/cdrom_manager.h"
#include "media/media_classes.h"
#include "media/run_cdrom.h"
#include "media/run_data.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "media/viewer_manager.h"
#include "platform/drive_map.h"
#include "platform/paths.h"

namespace cd::test {

DescriptionFixture::DescriptionFixture() {
  RegisterLibraryClasses();
  RegisterInstallClasses();
  RegisterMediaClasses();
  std::filesystem::create_directories(root_.Path() / "src");
  os::MapDrive('T', root_.Path().string());
  manager_.sourcePrgPath = os::IncludeTrailingBackslash(os::WindowsPath(root_.File("src")));
}

TViewerManager& DescriptionFixture::Viewers() {
  return *GetOrCreateObjectAs<TViewerManager>(manager_);
}

TFilesManager& DescriptionFixture::Files() {
  return *GetOrCreateObjectAs<TFilesManager>(manager_);
}

TRunViewer* DescriptionFixture::AddViewer(const std::string& name) {
  auto* viewer = new TRunViewer(&Viewers());
  viewer->SetName(name);
  return viewer;
}

TRunData* DescriptionFixture::AddData(TRunViewer* viewer, const std::string& name,
                                      const std::string& descr) {
  auto* data = new TRunData(viewer);
  data->SetName(name);
  data->SetDescr(descr);
  return data;
}

TRunDataInstance* DescriptionFixture::AddInstance(TRunData* data, int id) {
  auto* instance = new TRunDataInstance(data);
  instance->SetId(id);
  return instance;
}

TRunCDRom* DescriptionFixture::AddMedium(const std::string& mediumId, const std::string& descr,
                                         std::initializer_list<int> instances) {
  auto* medium = new TRunCDRom(GetOrCreateObjectAs<TCDRomManager>(manager_));
  medium->SetMediumId(mediumId);
  medium->SetDescr(descr);
  for (int id : instances) medium->Instances().Add(id);
  return medium;
}

TFileItem* DescriptionFixture::AddFile(const std::string& path) {
  return new TDatumValue(&Files(), path);
}

TFileList* DescriptionFixture::AddList(const std::string& name,
                                       std::initializer_list<const char*> lines) {
  auto* list = new TFileList(GetOrCreateObjectAs<TFileListManager>(manager_));
  list->SetName(name);
  for (const char* line : lines) list->Files().Add(line);
  return list;
}

}  // namespace cd::test
