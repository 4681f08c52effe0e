// TCDRomManager: class metadata (no keys of its own).
#include "media/cdrom_manager.h"

namespace cd {

const TClassInfo& TCDRomManager::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCDRomManager>("TCDRomManager", &TEManager::StaticClass()).Build();
  return info;
}

}  // namespace cd
