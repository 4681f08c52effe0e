// TCollectionEx: a collection with an owner reference (any storable object, not owned by the
// collection), reported as the collection's owner so that property paths can name it.
#pragma once

#include <memory>

#include "config/collection.h"

namespace cd {

class TCollectionEx : public TCollection {
 public:
  TCollectionEx(const TClassInfo& itemClass, ItemFactory factory, TPersistent* owner = nullptr)
      : TCollection(itemClass, std::move(factory), owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TPersistent* Owner() const { return GetOwner(); }
  virtual void SetOwner(TPersistent* owner) { SetOwnerRef(owner); }
};

// A TCollectionEx of items of type Item (constructible from TCollection*).
template <class Item>
std::unique_ptr<TCollectionEx> MakeCollectionEx(TPersistent* owner) {
  return std::make_unique<TCollectionEx>(
      Item::StaticClass(),
      [](TCollection* c) -> std::unique_ptr<TCollectionItem> { return std::make_unique<Item>(c); },
      owner);
}

}  // namespace cd
