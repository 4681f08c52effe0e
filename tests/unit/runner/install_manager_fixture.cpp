// The temporary build of the install manager tests.
#include "install_manager_fixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "install/datum_value.h"
#include "install/files_manager.h"
#include "media/cdrom_manager.h"
#include "media/run_cdrom.h"
#include "media/run_data.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "media/viewer_manager.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "runner/all_classes.h"
#include "streams/virt_stream.h"
#include "support/hook_guard.h"

namespace cd::test {

namespace fs = std::filesystem;

int32_t Day(int day) {
  const uint32_t date = (40u << 9) | (1u << 5) | static_cast<uint32_t>(day);
  return static_cast<int32_t>((date << 16) | (12u << 11));
}

std::string Repeated(const std::string& piece, size_t size) {
  std::string s;
  while (s.size() < size) s += piece;
  s.resize(size);
  return s;
}

InstallManagerFixture::InstallManagerFixture() {
  RegisterAllClasses();
  fs::create_directories(root_.Path() / "src");
  fs::create_directories(root_.Path() / "out");
  os::MapDrive('T', root_.Path().string());
  manager_ = std::make_unique<TInstallManager>(nullptr);
  const std::string src = os::IncludeTrailingBackslash(os::WindowsPath(root_.File("src")));
  const std::string out = os::IncludeTrailingBackslash(os::WindowsPath(root_.File("out")));
  manager_->SetSourcePrgPath(src);
  manager_->SetDestPrgPath(out + "prg\\");
  manager_->SetCDRomPrgSubPath("prg\\");
  manager_->SetConfigFileName(out + "run.cfg");
}

InstallManagerFixture::~InstallManagerFixture() = default;

TFilesManager& InstallManagerFixture::Files() {
  return *GetOrCreateObjectAs<TFilesManager>(*manager_);
}

std::string InstallManagerFixture::SourceFile(const std::string& name) const {
  return (root_.Path() / "src" / name).string();
}

std::string InstallManagerFixture::OutFile(const std::string& name) const {
  return (root_.Path() / "out" / name).string();
}

void InstallManagerFixture::WriteSource(const std::string& name, const std::string& data,
                                        int32_t dosDate) {
  std::string relative = name;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  fs::path host = root_.Path() / "src" / relative;
  fs::create_directories(host.parent_path());
  std::ofstream(host, std::ios::binary) << data;
  if (dosDate) os::SetFileDate(os::WindowsPath(host.string()), dosDate);
}

std::string InstallManagerFixture::ReadHost(const std::string& hostName) {
  std::ifstream in(hostName, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool InstallManagerFixture::HostExists(const std::string& hostName) {
  return fs::exists(hostName);
}

TFileItem* InstallManagerFixture::AddDatum(const std::string& path, const std::string& data) {
  auto* item = new TDatumValue(&Files(), path);
  WriteSource(path.substr(0, path.find('=')), data, Day(3));
  return item;
}

TRunViewer* InstallManagerFixture::AddViewer(const std::string& name, const std::string& exePath) {
  auto* viewer = new TRunViewer(GetOrCreateObjectAs<TViewerManager>(*manager_));
  viewer->SetName(name);
  viewer->SetExePath(exePath);
  return viewer;
}

TRunData* InstallManagerFixture::AddCourse(TRunViewer* viewer, const std::string& name, int id) {
  auto* data = new TRunData(viewer);
  data->SetName(name);
  data->SetDescr("\"EN=" + name + "\"");
  (new TRunDataInstance(data))->SetId(id);
  return data;
}

TRunCDRom* InstallManagerFixture::AddMedium(const std::string& mediumId,
                                            std::initializer_list<const char*> files) {
  auto* medium = new TRunCDRom(GetOrCreateObjectAs<TCDRomManager>(*manager_));
  medium->SetMediumId(mediumId);
  medium->SetDescr(mediumId + " disc");
  for (const char* name : files) medium->Files().Add(name);
  return medium;
}

void InstallManagerFixture::Build(TRunCDRom* medium) {
  HookGuard choose(OnAdjustInstaller(),
                   [medium](TInstallManager& manager) { manager.SetCDRom(medium); });
  manager_->BeforeExecute();
  manager_->Execute();
}

std::string InstallManagerFixture::ConfigBytes() const {
  return ReadHost(OutFile("run.cfg"));
}

std::unique_ptr<TFilesManager> InstallManagerFixture::ReadBack() const {
  const std::string name = manager_->ConfigFileName();
  std::unique_ptr<TVirtStream> stream = OpenVirtualFile(name);
  return TFilesManager::CreateFromStream(*stream, name);
}

}  // namespace cd::test
