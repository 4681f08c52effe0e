// TFileListManager: class metadata (no keys of its own).
#include "install/file_list_manager.h"

namespace cd {

const TClassInfo& TFileListManager::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFileListManager>("TFileListManager", &TEManager::StaticClass()).Build();
  return info;
}

}  // namespace cd
