// Temporary medium and disk folders for the engine tests.
#include "engine_fixture.h"

#include <algorithm>
#include <filesystem>

#include "config/config_io.h"
#include "platform/dos_time.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/disk_datum.h"

namespace cd::test {

// Both folders lie in one temporary folder mounted as drive T: (on Windows the real path is
// used), so that tests never run out of drive letters.
EngineFixture::EngineFixture() {
  std::filesystem::create_directories(root_.Path() / "medium");
  std::filesystem::create_directories(root_.Path() / "disk");
  os::MapDrive('T', root_.Path().string());
  mediumPath_ = os::IncludeTrailingBackslash(os::WindowsPath((root_.Path() / "medium").string()));
  diskPath_ = os::IncludeTrailingBackslash(os::WindowsPath((root_.Path() / "disk").string()));
}

std::string EngineFixture::MediumFile(const std::string& name) const {
  return (root_.Path() / "medium" / name).string();
}
std::string EngineFixture::DiskFile(const std::string& name) const {
  return (root_.Path() / "disk" / name).string();
}

void EngineFixture::WriteFile(const std::string& hostName, const std::string& data,
                              int32_t dosDate) {
  std::filesystem::create_directories(std::filesystem::path(hostName).parent_path());
  const std::string name = os::WindowsPath(hostName);
  os::WriteWholeFile(name, data);
  if (dosDate) os::SetFileDate(name, dosDate);
}

TDatumValue* EngineFixture::AddMediumDatum(TComponent* owner, const std::string& path,
                                           const std::string& mediumData,
                                           std::string mediumName) const {
  std::replace(mediumName.begin(), mediumName.end(), '\\', '/');
  WriteFile(MediumFile(mediumName), mediumData, 0);
  return AddDiskDatum(owner, path, Day(15), static_cast<int32_t>(mediumData.size()));
}

std::string EngineFixture::ReadFile(const std::string& hostName) {
  return os::ReadWholeFile(os::WindowsPath(hostName));
}

int32_t EngineFixture::Day(int day) {
  // Date in the high word: (year - 1980) << 9 | month << 5 | day; time 12:00:00.
  const uint32_t date = (40u << 9) | (1u << 5) | static_cast<uint32_t>(day);
  return static_cast<int32_t>((date << 16) | (12u << 11));
}

std::unique_ptr<TFilesManager> EngineFixture::NewFilesManager(const std::string& diskFolder) const {
  auto manager = std::make_unique<TFilesManager>(nullptr);
  manager->SetPrgPath(mediumPath_);
  manager->Targets().Add("Disk=" + diskPath_ + diskFolder);
  return manager;
}

TFileGroup* HandOver(const TFileGroup& built, TFilesManager& install) {
  std::unique_ptr<TComponent> copy = CloneObject(&built);
  auto* installed = static_cast<TFileGroup*>(copy.release());
  installed->SetDestSize(built.DestSize());
  install.InsertComponent(std::unique_ptr<TComponent>(installed));
  return installed;
}

}  // namespace cd::test
