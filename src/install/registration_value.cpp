// TRegistrationValue: class metadata (no keys of its own).
#include "install/registration_value.h"

namespace cd {

const TClassInfo& TRegistrationValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRegistrationValue>("TRegistrationValue", &TVersionValue::StaticClass())
          .Build();
  return info;
}

}  // namespace cd
