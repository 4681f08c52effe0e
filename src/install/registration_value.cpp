// TRegistrationValue: class metadata (no keys of its own) and the registration run after
// installation.
#include "install/registration_value.h"

#include "install/program_start.h"

namespace cd {

const TClassInfo& TRegistrationValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRegistrationValue>("TRegistrationValue", &TVersionValue::StaticClass())
          .Build();
  return info;
}

void TRegistrationValue::DoUserInstall(TInstallPhase phase) {
  if (phase == kPhaseRegister)
    RunAndWait(QuotedProgram(GetFileName(kFileTarget)), "-regserver", TStepProc());
  else
    TVersionValue::DoUserInstall(phase);
}

}  // namespace cd
