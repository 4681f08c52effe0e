// TEItem: class metadata and the default consistency check.
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

}  // namespace cd
