// TMediaViewerValue: the setup program of the media player, run only when the player is
// missing and the configuration asks for it.
#pragma once

#include "install/version_value.h"

namespace cd {

class TMediaViewerValue : public TVersionValue {
 public:
  using TVersionValue::TVersionValue;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The media player control could be created on this machine.
  bool PlayerPresent() const { return playerPresent_; }
  void SetPlayerPresent(bool v) { playerPresent_ = v; }

 private:
  bool playerPresent_ = false;
};

}  // namespace cd
