// What the special file kinds add to the install: program registration, the media player
// setup and the merge of library cards.
#include "base/exceptions.h"
#include "config/config_io.h"
#include "install/files_manager.h"
#include "install/libman_info_value.h"
#include "install/media_viewer_value.h"
#include "install/registration_value.h"
#include "install/run_options.h"
#include "install/program_start.h"
#include "library/book_card.h"
#include "platform/com.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "util/directories.h"
#include "util/file_properties.h"
#include "util/whole_file.h"

namespace cd {
namespace {

constexpr const char* kMediaPlayerClassId = "{22D6F312-B0F6-11D0-94AB-0080C74C7E95}";

std::unique_ptr<TBookCard> ReadCard(std::string_view text) {
  std::unique_ptr<TComponent> object = StringToObject(text);
  auto* card = dynamic_cast<TBookCard*>(object.get());
  if (!card) throw EInvalidCast();
  object.release();
  return std::unique_ptr<TBookCard>(card);
}

}  // namespace

void TRegistrationValue::DoUserInstall(TInstallPhase phase) {
  if (phase == kPhaseRegister)
    RunAndWait(QuotedProgram(GetFileName(kFileTarget)), "-regserver", TStepProc());
  else
    TVersionValue::DoUserInstall(phase);
}

void TMediaViewerValue::CompareFile() {
  TVersionValue::CompareFile();
  if (!os::IsClassInstalled(kMediaPlayerClassId)) return;
  SetPlayerPresent(true);
  if (TFilesManager* manager = FilesManager()) {
    TFilesManagerRunData& runData = manager->RunData();
    runData.SetOptions(runData.Options() & ~RunOptionBit(ro_InstallMediaPlayer));
  }
  SetNeeded(false);
}

void TMediaViewerValue::DoUserInstall(TInstallPhase phase) {
  if (phase != kPhaseFinish) {
    TVersionValue::DoUserInstall(phase);
    return;
  }
  TFilesManager* manager = FilesManager();
  if (PlayerPresent() || !manager ||
      !(manager->RunData().Options() & RunOptionBit(ro_InstallMediaPlayer)))
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
  RunAndWait(QuotedProgram(GetFileName(kFileTarget)) + " /Q", "", step);
  manager->SetMediaPlayerInstalled(true);
}

void TLibmanInfoValue::InstallData(TStream& stream) {
  const int64_t start = stream.Position();
  try {
    const std::string target = GetFileName(kFileTarget);
    std::unique_ptr<TBookCard> old;
    if (os::FileExists(target)) old = ReadCard(FileToString(target));
    std::unique_ptr<TBookCard> delivered = ReadCard(stream.ReadRest());
    if (TFilesManager* manager = FilesManager()) {
      const std::string path = manager->Targets().Values(delivered->MediumId());
      if (!path.empty()) delivered->SetMediumId(path);
    }
    SetNeeded(OutOfDate(GetFileDate(target)));
    if (!Needed()) return;
    ForceDirectories(os::ExtractFilePath(target));
    if (old) {
      delivered->SetLanguage(old->Language());
      delivered->SetLastLanguages(old->LastLanguages());
      delivered->SetPars(old->Pars());
    }
    StringToFile(ObjectToString(delivered.get()), target);
    SetFileDate(target, Time());
  } catch (const Exception&) {
    stream.SetPosition(start);
    TDatumValue::InstallData(stream);
  }
}

}  // namespace cd
