// TRunner: the run sequence for one configuration, from reading it to the start of the chosen
// viewer, with the progress window when the update is large or installs components.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/views.h"
#include "runner/multi_run_form.h"
#include "runner/setup_progress.h"

namespace cd {

class TFilesManager;
class TUpdatePlan;

// The views and the error display a runner uses: the platform's unless a test gives others.
struct TRunnerViews {
  std::function<std::unique_ptr<os::ProgressView>()> progress = &os::CreateProgressView;
  std::function<std::unique_ptr<os::ChoiceView>()> choice = &os::CreateChoiceView;
  std::function<void(const std::exception&)> showError;  // ShowException when empty
};

// How a run is answered and how far it goes; the defaults are an interactive run.
struct TRunMode {
  // The application named on the command line (TMultiRunForm::SetAnswer).
  std::optional<std::string> app;
  // No dialog asks: the choice takes app or the preselected entry.
  bool unattended = false;
  // The dry run: the preparation writes nothing, and the plan is shown instead of the update.
  bool planOnly = false;
  std::function<void(const TUpdatePlan&)> showPlan;
  // The program an uninstall entry starts: a copy of it is kept beside the install record.
  // Empty: the record is written without an entry.
  std::string programToKeep;
};

class TRunner {
 public:
  explicit TRunner(TRunnerViews views = {});
  ~TRunner();
  TRunner(const TRunner&) = delete;
  TRunner& operator=(const TRunner&) = delete;

  // Loads configName, chooses the application, prepares and runs the update (in the progress
  // window when NeedsWindow) and frees the files manager. Failures pass to the caller, except
  // those of an update inside the window, which the window shows itself.
  void Run(const std::string& configName);
  // Reads the configuration and chooses the application, unless already loaded.
  void LoadFilesManager();
  // text in the installation language of the configuration (loading it first).
  std::string Translate(const std::string& text);
  // True for a configuration on a drive, false for a URL; fails for anything else.
  bool Local() const;
  // Whether the update shows the progress window.
  bool NeedsWindow();

  // Whether the last Run's update failed inside the progress window (shown there, not raised).
  bool UpdateFailedInWindow() const { return updateFailedInWindow_; }
  // Whether the last Run's update installed the media player, so Windows must restart.
  bool RestartNeeded() const { return restartNeeded_; }

  void SetMode(TRunMode mode) { mode_ = std::move(mode); }

  // The publisher's public key (PEM); when set, a medium must carry sums signed with it.
  void SetPublicKey(std::string pem) { publicKey_ = std::move(pem); }

  const std::string& ConfigName() const { return configName_; }
  TFilesManager* FilesManager() const { return filesManager_.get(); }
  TSetupProgress& CallBack() { return progress_; }

 private:
  void ChooseApplication();
  void ShowFailure(const std::exception& failure);

  TRunnerViews views_;
  std::string configName_;
  std::string appName_;
  std::string runTitle_;
  std::string publicKey_;
  std::unique_ptr<TFilesManager> filesManager_;
  TSetupProgress progress_;
  std::unique_ptr<TMultiRunForm> multiRunForm_;
  bool updateFailedInWindow_ = false;
  bool restartNeeded_ = false;
  TRunMode mode_;
};

// Sets the process-wide hooks at program start: OnTranslate to runner's Translate and
// OnAskDestination to the destination dialog.
void InstallRunnerHooks(TRunner& runner);

}  // namespace cd
