// The run sequence: load, choose, prepare, update with or without the window, free.
#include "runner/runner.h"

#include "base/exceptions.h"
#include "config/create_stream.h"
#include "install/files_manager.h"
#include "install/hooks.h"
#include "install/log_event.h"
#include "install/run_options.h"
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
