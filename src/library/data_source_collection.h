// TDataSourceCollection: a library card's list of data sources (TDataSourceItem).
#pragma once

#include "config/collection_ex.h"
#include "library/data_source_item.h"

namespace cd {

// The data sources of a library card; its owner is the card.
class TDataSourceCollection : public TCollectionEx {
 public:
  explicit TDataSourceCollection(TPersistent* owner);
  TDataSourceItem* Items(int index) const {
    return static_cast<TDataSourceItem*>(TCollection::Items(index));
  }
  TDataSourceItem* Add() { return static_cast<TDataSourceItem*>(TCollection::Add()); }
};

}  // namespace cd
