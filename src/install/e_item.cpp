// Run items: the default consistency check and the walk up to the managing item.
#include "install/e_item.h"

namespace cd {

const TClassInfo& TEItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TEItem>("TEItem", &TComponentList::StaticClass()).Build();
  return info;
}

TEItem::TEItem(TComponent* owner) : TComponentList(owner) {}

void TEItem::CheckConsistence() {
  for (int i = 0; i < ChildCount(); ++i)
    if (auto* item = dynamic_cast<TEItem*>(Child(i))) item->CheckConsistence();
}

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
