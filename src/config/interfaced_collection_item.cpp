// Reference counting and interface query of TInterfacedCollectionItem.
#include "config/interfaced_collection_item.h"

#include "config/collection.h"

namespace cd {

const TClassInfo& TInterfacedCollectionItem::StaticClass() {
  static const TClassInfo info = TClassBuilder<TInterfacedCollectionItem>(
                                     "TInterfacedCollectionItem", &TCollectionItem::StaticClass())
                                     .Build();
  return info;
}

void* TInterfacedCollectionItem::GetInterface(const TGuid& iid) {
  if (iid == IID_IUnknown) return static_cast<IInterface*>(this);
  return nullptr;
}

int32_t TInterfacedCollectionItem::QueryInterface(const TGuid& iid, void** object) {
  *object = GetInterface(iid);
  if (!*object) return kE_NOINTERFACE;
  AddRef();
  return kS_OK;
}

int32_t TInterfacedCollectionItem::Release() {
  const int32_t count = --refCount_;
  if (count > 0) return count;
  if (TCollection* owner = Collection(); owner && Index() >= 0)
    owner->Delete(Index());
  else
    delete this;
  return 0;
}

}  // namespace cd
