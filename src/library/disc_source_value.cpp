// TDiscSourceValue: stored keys and equality.
#include "library/disc_source_value.h"

#include "config/component.h"

namespace cd {

const TClassInfo& TDiscSourceValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDiscSourceValue>("TDiscSourceValue", &TFileSourceValue::StaticClass())
          .Str("Drive", &TDiscSourceValue::drive_)
          .Build();
  return info;
}

bool TDiscSourceValue::Equals(const TDataSourceValue* other) const {
  return TFileSourceValue::Equals(other) &&
         SameText(drive_, static_cast<const TDiscSourceValue*>(other)->drive_);
}

}  // namespace cd
