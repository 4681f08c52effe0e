// The walk from a run item up to its install manager.
#include "install/install_manager_link.h"

#include "config/component.h"

namespace cd {

IInstallManager* GetInstallManager(const TComponent& item) {
  for (TComponent* c = item.Owner(); c; c = c->Owner())
    if (auto* manager = dynamic_cast<IInstallManager*>(c)) return manager;
  return nullptr;
}

}  // namespace cd
