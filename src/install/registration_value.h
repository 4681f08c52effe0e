// TRegistrationValue: a program that registers itself as a server after installation.
#pragma once

#include "install/version_value.h"

namespace cd {

class TRegistrationValue : public TVersionValue {
 public:
  using TVersionValue::TVersionValue;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Phase 1 runs the program with "-regserver" and waits for it; RegisterDLL is not consulted.
  void DoUserInstall(TInstallPhase phase) override;
};

}  // namespace cd
