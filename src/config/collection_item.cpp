// TCollectionItem: class metadata, its position in its collection and its owner.
#include "config/collection_item.h"

#include "config/collection.h"

namespace cd {

const TClassInfo& TCollectionItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCollectionItem>("TCollectionItem", &TPersistent::StaticClass()).Build();
  return info;
}

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  const auto& items = collection_->items_;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].get() == this) return static_cast<int>(i);
  return -1;
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

}  // namespace cd
