// TViewerManager: class metadata (no keys of its own).
#include "media/viewer_manager.h"

namespace cd {

const TClassInfo& TViewerManager::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TViewerManager>("TViewerManager", &TEManager::StaticClass()).Build();
  return info;
}

}  // namespace cd
