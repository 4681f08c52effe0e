// TCDRomManager: the managing item that holds the distribution media (TRunCDRom children) of an
// installation description.
#pragma once

#include "install/e_manager.h"

namespace cd {

class TCDRomManager : public TEManager {
 public:
  explicit TCDRomManager(TComponent* owner) : TEManager(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The media's checks, then no two media may share a volume label:
  // "Duplicitni Vol Lab (%s) in CD ROM \"%s\"".
  void CheckConsistence() override;
};

}  // namespace cd
