// TCDRomSourceValue: stored keys and equality.
#include "library/cdrom_source_value.h"

#include "config/component.h"

namespace cd {

const TClassInfo& TCDRomSourceValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCDRomSourceValue>("TCDRomSourceValue", &TFileSourceValue::StaticClass())
          .Str("VolLab", &TCDRomSourceValue::volLab_)
          .Build();
  return info;
}

bool TCDRomSourceValue::Equals(const TDataSourceValue* other) const {
  return TFileSourceValue::Equals(other) &&
         SameText(volLab_, static_cast<const TCDRomSourceValue*>(other)->volLab_);
}

}  // namespace cd
