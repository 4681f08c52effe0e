// Metadata of TCollectionEx.
#include "config/collection_ex.h"

namespace cd {

const TClassInfo& TCollectionEx::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCollectionEx>("TCollectionEx", &TCollection::StaticClass()).Build();
  return info;
}

}  // namespace cd
