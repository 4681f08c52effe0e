// TLibmanInfoValue: class metadata (no keys of its own).
#include "install/libman_info_value.h"

namespace cd {

const TClassInfo& TLibmanInfoValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TLibmanInfoValue>("TLibmanInfoValue", &TDatumValue::StaticClass()).Build();
  return info;
}

}  // namespace cd
