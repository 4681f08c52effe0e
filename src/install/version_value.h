// TVersionValue: a file item compared by its file version (Ver2 the most, Ver1 the least
// significant half), with the readable version text and the self-registration flag.
#pragma once

#include <cstdint>
#include <string>

#include "install/datum_value.h"

namespace cd {

class TVersionValue : public TDatumValue {
 public:
  using TDatumValue::TDatumValue;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // "%d.%d.%d.%d" of the high and low words of Ver2, then of Ver1; empty when both are 0.
  // Written for people to read; a value read from a configuration is ignored.
  std::string Version() const;
  int32_t Ver1() const { return ver1_; }
  void SetVer1(int32_t v) { ver1_ = v; }
  int32_t Ver2() const { return ver2_; }
  void SetVer2(int32_t v) { ver2_ = v; }
  bool RegisterDLL() const { return registerDLL_; }
  void SetRegisterDLL(bool v) { registerDLL_ = v; }

  // Missing target: needed; same version: the date rule; otherwise needed when the item's
  // version is higher than the installed one.
  void CompareFile() override;
  void StoreFileInfo() override;
  // Phase 1 registers the library when RegisterDLL is set.
  void DoUserInstall(TInstallPhase phase) override;
  void CheckConsistence() override;

  // Ver2 in the high, Ver1 in the low 32 bits.
  int64_t Version64() const;
  void SetVersion64(int64_t v);

 private:
  int32_t ver1_ = 0;
  int32_t ver2_ = 0;
  bool registerDLL_ = false;
};

}  // namespace cd
