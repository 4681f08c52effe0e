// TOMRow: its stored items.
#include "objmap/om_row.h"

namespace cd {

const TClassInfo& TOMRow::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TOMRow>("TOMRow", &TCollectionItem::StaticClass())
          .Collection("RowItems", [](TOMRow& r) { return r.rowItems_.get(); })
          .Build();
  return info;
}

TOMRow::TOMRow(TCollection* collection)
    : TCollectionItem(collection), rowItems_(MakeCollection<TOMRowItem>(this)) {}

TOMRow::~TOMRow() = default;

}  // namespace cd
