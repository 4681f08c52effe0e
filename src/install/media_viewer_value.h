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

  // The version rule, then the player test: a player that can be created makes the setup
  // unnecessary and clears ro_InstallMediaPlayer.
  void CompareFile() override;
  // Phase 2 runs the player's quiet setup when the player is missing and the run asks for it.
  void DoUserInstall(TInstallPhase phase) override;

  // The media player control could be created on this machine.
  bool PlayerPresent() const { return playerPresent_; }
  void SetPlayerPresent(bool v) { playerPresent_ = v; }

 private:
  bool playerPresent_ = false;
};

}  // namespace cd
