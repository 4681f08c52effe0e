// TLibmanInfoValue: a library card file of the course library, merged with the card already on the
// disk.
#pragma once

#include "install/datum_value.h"

namespace cd {

class TLibmanInfoValue : public TDatumValue {
 public:
  using TDatumValue::TDatumValue;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // A library card is always handed to the installation, which decides by date itself.
  void CompareFile() override { Decide(true, "a library card: merged with the installed one"); }
  // Merges the delivered card with the one on the disk, keeping the user's language and
  // parameters; anything unreadable is installed as a plain file instead.
  void InstallData(TStream& stream) override;
};

}  // namespace cd
