// Stored keys of TViewerItem.
#include "install/viewer_item.h"

namespace cd {

const TClassInfo& TViewerItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TViewerItem>("TViewerItem", &TCollectionItem::StaticClass())
          .Str("Exe", &TViewerItem::exe_)
          .Str("DataName", &TViewerItem::dataName_)
          .Str("Descr", &TViewerItem::descr_)
          .Build();
  return info;
}

}  // namespace cd
