// TMediaViewerValue: class metadata (no keys of its own), the player test and the media
// player setup.
#include "install/media_viewer_value.h"

#include "install/files_manager.h"
#include "install/hooks.h"
#include "install/log_event.h"
#include "install/program_start.h"
#include "install/run_options.h"
#include "platform/com.h"
#include "platform/registry.h"

namespace cd {
namespace {

constexpr const char* kMediaPlayerClassId = "{22D6F312-B0F6-11D0-94AB-0080C74C7E95}";

}  // namespace

const TClassInfo& TMediaViewerValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMediaViewerValue>("TMediaViewerValue", &TVersionValue::StaticClass()).Build();
  return info;
}

void TMediaViewerValue::CompareFile() {
  TVersionValue::CompareFile();
  if (!os::IsClassInstalled(kMediaPlayerClassId)) return;
  SetPlayerPresent(true);
  if (TFilesManager* manager = FilesManager()) {
    TFilesManagerRunData& runData = manager->RunData();
    runData.SetOptions(runData.Options() & ~SetBit(ro_InstallMediaPlayer));
  }
  Decide(false, "the media player is already installed");
}

void TMediaViewerValue::DoUserInstall(TInstallPhase phase) {
  if (phase != kPhaseFinish) {
    TVersionValue::DoUserInstall(phase);
    return;
  }
  TFilesManager* manager = FilesManager();
  if (PlayerPresent() || !manager ||
      !(manager->RunData().Options() & SetBit(ro_InstallMediaPlayer)))
    return;
  os::WriteRegistryString(os::RegistryRoot::LocalMachine, "Software\\Microsoft\\MediaPlayer\\Setup",
                          "URLAtCompletion", "No");
  os::WriteRegistryString(os::RegistryRoot::LocalMachine,
                          "Software\\Microsoft\\MediaPlayer\\DependentComponents",
                          manager->RunTitle(), "");
  ISetupCallBack* callback = manager->Callback();
  TStepProc step;
  if (callback) {
    callback->SetMessages(
        "\"CZ=Instaluji MediaPlayer firmy Microsoft ...\",\"EN=Installing Microsoft MediaPlayer "
        "...\"",
        "\"CZ=... to m\xF9\x9E"
        "e trvat i n\xECkolik minut!\",\"EN=... it can take several minutes!\"");
    callback->SetRange(0, 100);
    step = callback->GetStepProc();
  }
  const std::string program = QuotedProgram(GetFileName(kFileTarget)) + " /Q";
  const uint32_t code = RunAndWait(program, "", step);
  manager->SetMediaPlayerInstalled(true);
  LogEvent(TLogEvent("media-player").Str("program", program).Int("exit_code", code));
}

}  // namespace cd
