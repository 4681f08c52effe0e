// TCollection: an ordered list of item objects (TCollectionItem) of one item class, owned by
// the object whose property holds it; stored as a collection value.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "config/collection_item.h"
#include "config/persistent.h"

namespace cd {

class TCollection : public TPersistent {
 public:
  using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;

  // itemClass describes the items' stored keys; factory creates a new item.
  TCollection(const TClassInfo& itemClass, ItemFactory factory, TPersistent* owner = nullptr);
  ~TCollection() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const TClassInfo& ItemClass() const { return *itemClass_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Fails with "List index out of bounds (%d)".
  TCollectionItem* Items(int index) const;
  TCollectionItem* Add();
  void Delete(int index);
  void Clear();
  virtual void BeginUpdate() { ++updateCount_; }
  virtual void EndUpdate() { --updateCount_; }
  TPersistent* GetOwner() const override { return owner_; }
  void Assign(const TPersistent& source) override;

 protected:
  void SetOwnerRef(TPersistent* owner) { owner_ = owner; }

 private:
  friend class TCollectionItem;
  const TClassInfo* itemClass_;
  ItemFactory factory_;
  TPersistent* owner_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int updateCount_ = 0;
};

// A collection of items of type Item (constructible from TCollection*).
template <class Item>
std::unique_ptr<TCollection> MakeCollection(TPersistent* owner) {
  return std::make_unique<TCollection>(
      Item::StaticClass(),
      [](TCollection* c) -> std::unique_ptr<TCollectionItem> { return std::make_unique<Item>(c); },
      owner);
}

}  // namespace cd
