// Stored keys of TRecordedRegistration.
#include "install/recorded_registration.h"

namespace cd {

const TClassInfo& TRecordedRegistration::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRecordedRegistration>("TRecordedRegistration", &TCollectionItem::StaticClass())
          .Str("Name", &TRecordedRegistration::name_)
          .Bool("Library", &TRecordedRegistration::library_)
          .Build();
  return info;
}

}  // namespace cd
