// The run sequence: load, choose, prepare, update with or without the window, free.
#include "runner/runner.h"

#include <ctime>

#include "base/exceptions.h"
#include "config/create_stream.h"
#include "install/files_manager.h"
#include "install/hooks.h"
#include "install/install_record.h"
#include "install/install_recorder.h"
#include "install/log_event.h"
#include "install/run_options.h"
#include "install/uninstall_entry.h"
#include "platform/files.h"
#include "platform/replace_file.h"
#include "runner/application.h"
#include "runner/ask_medium_id_form.h"
#include "runner/medium_trust.h"
#include "runner/run_rules.h"
#include "runner/sel_inst_form.h"
#include "runner/update_plan.h"
#include "streams/virt_stream.h"
#include "util/lang_string.h"
#include "util/medium_sums.h"

namespace cd {
namespace {

// Today's date as the list of installed programs shows it ("YYYYMMDD").
std::string InstallDate() {
  const std::time_t now = std::time(nullptr);
  char text[16] = {};
  if (const std::tm* local = std::localtime(&now))
    std::strftime(text, sizeof text, "%Y%m%d", local);
  return text;
}

// Writes the record of a run and, when programToKeep is given, keeps a copy of it beside the
// record and writes the uninstall entry that starts it. A record that cannot be written is
// logged, never raised: the files are in place.
void SaveRecord(const TInstallRecorder& recorder, const std::string& programToKeep) {
  try {
    const std::string file = recorder.SaveIfInstalled();
    if (file.empty()) return;
    LogEvent(TLogEvent("record").Str("file", file));
    if (programToKeep.empty()) return;
    TUninstallCommand command{file.substr(0, file.find_last_of('\\') + 1) + kKeptProgram};
    // The copy is renewed when the program differs from it in size.
    if (!SameText(programToKeep, command.program) &&
        os::FileSize(command.program) != os::FileSize(programToKeep))
      os::ReplaceFileAtomically(command.program, os::ReadWholeFile(programToKeep));
    const bool written = WriteUninstallEntry(recorder.Record(), command, InstallDate());
    LogEvent(TLogEvent("uninstall-entry")
                 .Str("key", UninstallKey(recorder.Record().AppName()))
                 .Str("command", command.UninstallString(recorder.Record().AppName()))
                 .Bool("written", written));
  } catch (const std::exception& failure) {
    // The files are in place; only their later removal lacks the record.
    LogEvent(TLogEvent("record-failed").Str("message", failure.what()));
  }
}

// Passes the run's events to the recorder as well while it lives, and saves the record at its
// end, whatever the run's outcome.
struct Recording {
  Recording(TInstallRecorder* recorder, std::string programToKeep)
      : recorder_(recorder), programToKeep_(std::move(programToKeep)), previous_(OnLogEvent()) {
    if (!recorder_) return;
    OnLogEvent() = [this](const TLogEvent& event) {
      recorder_->Take(event);
      if (previous_) previous_(event);
    };
  }
  ~Recording() {
    if (!recorder_) return;
    OnLogEvent() = previous_;
    SaveRecord(*recorder_, programToKeep_);
  }
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;

  TInstallRecorder* recorder_;
  std::string programToKeep_;
  TLogEventHook previous_;
};

}  // namespace

TRunner::TRunner(TRunnerViews views)
    : views_(std::move(views)),
      progress_(views_.progress(), [this](const std::string& text) { return Translate(text); }) {}

TRunner::~TRunner() = default;

void TRunner::Run(const std::string& configName) {
  configName_ = configName;
  CurrentConfigName() = configName;
  *progress_.GetTotals() = TSetupTotals{};
  updateFailedInWindow_ = false;
  restartNeeded_ = false;
  LoadFilesManager();
  // The files manager goes with the end of the run, whatever its outcome.
  struct FreeFilesManager {
    std::unique_ptr<TFilesManager>& filesManager;
    ~FreeFilesManager() { filesManager.reset(); }
  } freeFilesManager{filesManager_};

  filesManager_->SetPlanOnly(mode_.planOnly);
  // A run that installs keeps a record of what it installed, built from its events, even when
  // the update fails part way: what was written can be removed again.
  std::unique_ptr<TInstallRecorder> recorder;
  if (!mode_.planOnly) {
    recorder =
        std::make_unique<TInstallRecorder>(TFilesManager::GetDirectory(kDirWindowsVok), appName_);
    recorder->Record().SetTitle(Translate(runTitle_));
    recorder->Record().SetConfiguration(configName_);
    const TFilesManagerRunData& runData = filesManager_->RunData();
    recorder->Record().SetDisplayVersion(runData.DisplayVersion());
    recorder->Record().SetPublisher(Translate(runData.Publisher()));
  }
  const Recording recording(recorder.get(), mode_.programToKeep);

  progress_.GetTotals()->SetTotal(filesManager_->PrepareUpdate(&progress_));
  if (mode_.planOnly) {
    const TUpdatePlan plan(*filesManager_);
    plan.Log();
    if (mode_.showPlan) mode_.showPlan(plan);
    return;
  }
  if (!NeedsWindow()) {
    filesManager_->Update(&progress_);
    restartNeeded_ = filesManager_->MediaPlayerInstalled();
    return;
  }
  // Inside the window a failure is shown there and ends only the update.
  progress_.RunModal([this] {
    try {
      filesManager_->Update(&progress_);
    } catch (const std::exception& failure) {
      updateFailedInWindow_ = true;
      ShowFailure(failure);
    }
  });
  restartNeeded_ = !updateFailedInWindow_ && filesManager_->MediaPlayerInstalled();
}

void TRunner::LoadFilesManager() {
  if (filesManager_) return;
  {
    // The sums (and their signature) are checked before a byte of the configuration is read.
    std::shared_ptr<const TMediumSums> sums = LoadMediumSums(configName_, publicKey_);
    std::unique_ptr<TStream> source = CreateStream(configName_, 0, nullptr);
    if (sums) source = CheckedConfiguration(std::move(source), *sums, configName_);
    TVirtStream stream(std::move(source), configName_, kLargestReadWhole);
    filesManager_ = TFilesManager::CreateFromStream(stream, configName_);
    filesManager_->SetMediumSums(std::move(sums));
  }
  ChooseApplication();
}

void TRunner::ChooseApplication() {
  if (!multiRunForm_) {
    multiRunForm_ = std::make_unique<TMultiRunForm>(
        views_.choice(), [this](const std::string& text) { return Translate(text); });
  }
  TInfoResult info;
  multiRunForm_->SetAnswer(mode_.app, mode_.unattended);
  multiRunForm_->AdjustInfo(filesManager_->Viewers(), info);
  LogEvent(TLogEvent("application").Str("title", info.RunTitle).Str("command", info.RunCommand));
  // The application is known by its data name, the last word of its command.
  appName_ = info.RunCommand.empty() ? info.RunTitle
                                     : info.RunCommand.substr(info.RunCommand.rfind(' ') + 1);
  runTitle_ = info.RunTitle;
  filesManager_->SetRunCommand(info.RunCommand);
  filesManager_->SetRunTitle(info.RunTitle);
  // The title is shown, so it is translated like every text shown.
  ApplicationTitle() = SetupTitle(Translate(info.RunTitle));
  MessageTitle() = ApplicationTitle();
  progress_.SetTitle(ApplicationTitle());
}

std::string TRunner::Translate(const std::string& text) {
  LoadFilesManager();
  return LowLangString(text, filesManager_->RunData().InstallLang());
}

bool TRunner::Local() const {
  return IsLocalConfig(configName_);
}

bool TRunner::NeedsWindow() {
  const TRunOptions options = filesManager_->RunData().Options();
  const bool installsComponents =
      InSet(options, ro_InstallDirectX) || InSet(options, ro_InstallMediaPlayer);
  return NeedsProgressWindow(installsComponents, Local(), progress_.GetTotals()->TotalBytes);
}

void TRunner::ShowFailure(const std::exception& failure) {
  if (views_.showError) {
    views_.showError(failure);
  } else {
    ShowException(failure);
  }
}

void InstallRunnerHooks(TRunner& runner) {
  OnTranslate() = [&runner](const std::string& text) { return runner.Translate(text); };
  InstallAskDestination();
  InstallSelectComponents();
}

}  // namespace cd
