// TFileItem: the four names of a file and the files manager it belongs to.
#include <algorithm>

#include "base/exceptions.h"
#include "install/file_item.h"
#include "install/files_manager.h"
#include "install/install_manager_link.h"
#include "platform/paths.h"
#include "util/format.h"

namespace cd {
namespace {

// Names come from configurations and group files: they must stay inside their folder. An
// unsafe name is refused as a file that cannot be installed, with the cause on a second line.
const std::string& CheckedRelative(const std::string& name) {
  if (!os::IsSafeRelativeName(name)) throw EViolationError(name + "\n" + kUnsafeNameCause);
  return name;
}

IInstallManager& RequireInstallManager(const TFileItem& item) {
  IInstallManager* manager = GetInstallManager(item);
  if (!manager)
    throw Exception(Format("TFileItem.GetFileName: \"%s\" has no install manager", {item.Path()}));
  return *manager;
}

TFilesManager& RequireFilesManager(const TFileItem& item) {
  TFilesManager* manager = item.FilesManager();
  if (!manager)
    throw Exception(Format("TFileItem.GetFileName: \"%s\" has no files manager", {item.Path()}));
  return *manager;
}

// The Windows folders come from the system; the medium's folder and the named destinations
// come from outside and must be folders on a drive, or a file would land relative to the
// current folder (or on a web address).
std::string TargetDirectory(const TFileItem& item) {
  const std::string& target = item.InstalTarget();
  if (target.empty()) return TFilesManager::GetDirectory(kDirWindowsVok);
  if (SameText(target, "WinSystem")) return TFilesManager::GetDirectory(kDirSystem);
  TFilesManager& manager = RequireFilesManager(item);
  const std::string folder =
      SameText(target, "BasicPrgPath") ? manager.PrgPath() : manager.Targets().Values(target);
  if (folder.empty()) {
    throw Exception(Format("TFileItem.GetFileName: The target \"%s\" of \"%s\" has no folder",
                           {target, item.Path()}));
  }
  if (!os::IsFolderOnDrive(folder)) {
    throw Exception(
        Format("TFileItem.GetFileName: The target \"%s\" of \"%s\" is not a folder on a drive "
               "(\"%s\")",
               {target, item.Path(), folder}));
  }
  return folder;
}

}  // namespace

TFilesManager* TFileItem::FilesManager() const {
  if (filesManagerLink_) return filesManagerLink_;
  if (auto* ownerItem = dynamic_cast<const TFileItem*>(Owner())) return ownerItem->FilesManager();
  if (auto* manager = dynamic_cast<TFilesManager*>(Owner())) return manager;
  return dynamic_cast<TFilesManager*>(GetManager(const_cast<TFileItem*>(this)));
}

std::string TFileItem::GetFileName(TFileNameKind kind) const {
  switch (kind) {
    case kFileBuildSource:
      return RequireInstallManager(*this).SourcePrgPath() + CheckedRelative(SourceName());
    case kFileBuildDest:
      return PackedName(RequireInstallManager(*this).DestPrgPath() + CheckedRelative(DestName()));
    case kFileMediumSource: {
      std::string name = PackedName(RequireFilesManager(*this).PrgPath() + CheckedRelative(DestName()));
      std::replace(name.begin(), name.end(), '\\', '/');
      return name;
    }
    case kFileTarget:
      return TargetDirectory(*this) + CheckedRelative(DestName());
    default:
      throw Exception(Format("TFileItem.GetFileName: Unknown kind %d", {kind}));
  }
}

}  // namespace cd
