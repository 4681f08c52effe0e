// TEManager: class metadata and the walk up to the managing item.
#include "install/e_manager.h"

namespace cd {

const TClassInfo& TEManager::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TEManager>("TEManager", &TEItem::StaticClass()).Build();
  return info;
}

TEManager::TEManager(TComponent* owner) : TEItem(owner) {}

TEManager* GetManager(TComponent* item) {
  for (TComponent* c = item; c; c = c->Owner())
    if (auto* manager = dynamic_cast<TEManager*>(c)) return manager;
  return nullptr;
}

}  // namespace cd
