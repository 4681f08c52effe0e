// TInterfacedCollectionItem: a collection item handed out as a reference-counted interface.
// The count starts at 1, the reference of its collection; the last release destroys it.
#pragma once

#include "config/collection_item.h"
#include "config/interface.h"

namespace cd {

class TInterfacedCollectionItem : public TCollectionItem, public IInterface {
 public:
  explicit TInterfacedCollectionItem(TCollection* collection) : TCollectionItem(collection) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int32_t QueryInterface(const TGuid& iid, void** object) override;
  int32_t AddRef() override { return ++refCount_; }
  // Destroys the item (leaving its collection) when the count reaches 0.
  int32_t Release() override;
  int32_t RefCount() const { return refCount_; }

 protected:
  // Derived classes answer the interfaces they implement (without taking a reference).
  virtual void* GetInterface(const TGuid& iid);

 private:
  int32_t refCount_ = 1;
};

}  // namespace cd
