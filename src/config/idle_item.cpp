// TIdleItem: its class record (it has no stored keys).
#include "config/idle_item.h"

#include "config/class_info.h"

namespace cd {

const TClassInfo& TIdleItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TIdleItem>("TIdleItem", &TCollectionItem::StaticClass()).Build();
  return info;
}

}  // namespace cd
