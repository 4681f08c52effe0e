// TRegistrationValue: class metadata (no keys of its own) and the registration run after
// installation.
#include "install/registration_value.h"

#include "install/hooks.h"
#include "install/log_event.h"
#include "install/program_start.h"

namespace cd {

const TClassInfo& TRegistrationValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRegistrationValue>("TRegistrationValue", &TVersionValue::StaticClass())
          .Build();
  return info;
}

void TRegistrationValue::DoUserInstall(TInstallPhase phase) {
  if (phase != kPhaseRegister) {
    TVersionValue::DoUserInstall(phase);
    return;
  }
  const std::string program = GetFileName(kFileTarget);
  const uint32_t code = RunAndWait(QuotedProgram(program), "-regserver", TStepProc());
  LogEvent(TLogEvent("register")
               .Str("item", Path())
               .Str("program", program + " -regserver")
               .Int("exit_code", code));
}

}  // namespace cd
