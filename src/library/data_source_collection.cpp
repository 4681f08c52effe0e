// TDataSourceCollection: a collection whose items are data source items.
#include "library/data_source_collection.h"

namespace cd {

TDataSourceCollection::TDataSourceCollection(TPersistent* owner)
    : TCollectionEx(
          TDataSourceItem::StaticClass(),
          [](TCollection* c) -> std::unique_ptr<TCollectionItem> {
            return std::make_unique<TDataSourceItem>(c);
          },
          owner) {}

}  // namespace cd
