// TOMRowItem: stored keys and the extra values.
#include "objmap/om_row_item.h"

namespace cd {

const TClassInfo& TOMRowItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TOMRowItem>("TOMRowItem", &TCollectionItem::StaticClass())
          .Int("Id", &TOMRowItem::id_)
          .Str("Descr", &TOMRowItem::descr_)
          .Str("Value", &TOMRowItem::value_)
          .Build();
  return info;
}

TOMRowItem::TOMRowItem(TCollection* collection) : TCollectionItem(collection) {}

TOMRowItem::~TOMRowItem() = default;

TStringList& TOMRowItem::Values() {
  if (!values_) values_ = std::make_unique<TStringList>();
  return *values_;
}

}  // namespace cd
