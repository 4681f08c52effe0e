// TLibmanInfoValue: a library card file of the course library, merged with the card already on the disk.
#pragma once

#include "install/datum_value.h"

namespace cd {

class TLibmanInfoValue : public TDatumValue {
 public:
  using TDatumValue::TDatumValue;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};

}  // namespace cd
