// TFilesManager: stored keys and the objects it owns.
#include "install/files_manager.h"

#include "install/viewer_item.h"

namespace cd {

const TClassInfo& TFilesManager::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFilesManager>("TFilesManager", &TEManager::StaticClass())
          .Str("PrgSubpath", &TFilesManager::prgSubpath_)
          .Collection("Viewers", [](TFilesManager& m) { return m.viewers_.get(); })
          .Object("RunData", [](TFilesManager& m) { return m.runData_.get(); })
          .Str("PrgPrefixPath", &TFilesManager::prgPrefixPath_)
          // No default: the format number is always written.
          .Int("Version", &TFilesManager::version_, std::nullopt)
          .Build();
  return info;
}

TFilesManager::TFilesManager(TComponent* owner)
    : TEManager(owner),
      viewers_(MakeCollection<TViewerItem>(this)),
      runData_(std::make_unique<TFilesManagerRunData>(this)),
      targets_(std::make_unique<TStringList>()) {}

TFilesManager::~TFilesManager() = default;

}  // namespace cd
