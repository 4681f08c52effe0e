// TCollection: item ownership, index checks and assignment.
#include "config/collection.h"

#include <algorithm>

#include "base/exceptions.h"
#include "util/format.h"

namespace cd {

const TClassInfo& TCollection::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCollection>("TCollection", &TPersistent::StaticClass()).Build();
  return info;
}

TCollection::TCollection(const TClassInfo& itemClass, ItemFactory factory, TPersistent* owner)
    : itemClass_(&itemClass), factory_(std::move(factory)), owner_(owner) {}

TCollection::~TCollection() { Clear(); }

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EListError(Format("List index out of bounds (%d)", {index}));
  return items_[static_cast<size_t>(index)].get();
}

TCollectionItem* TCollection::Add() {
  std::unique_ptr<TCollectionItem> item = factory_(this);
  item->collection_ = this;
  items_.push_back(std::move(item));
  return items_.back().get();
}

void TCollection::Delete(int index) {
  Items(index);  // index check
  items_.erase(items_.begin() + index);
}

void TCollection::Clear() {
  // Items are destroyed last to first; each leaves the list before its destructor runs.
  while (!items_.empty()) {
    std::unique_ptr<TCollectionItem> last = std::move(items_.back());
    items_.pop_back();
  }
}

void TCollection::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TCollection*>(&source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  try {
    Clear();
    for (const auto& item : other->items_) Add()->Assign(*item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

}  // namespace cd
