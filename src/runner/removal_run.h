// The removal of a recorded application as cdrun runs it for "/UNINSTALL=NAME": the question,
// the progress, the closing message; and the list of recorded applications for "/UNINSTALL".
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/views.h"
#include "runner/run_outcome.h"

namespace cd {

struct TRemovalRequest {
  // The application to remove; empty: list the recorded applications.
  std::string appName;
  // The folder of the records; the Windows directory's "Vok\" when empty.
  std::string recordsFolder;
  bool dryRun = false;
  // Asks whether to remove; an empty function asks nothing (a silent run).
  std::function<bool(const std::string& question)> confirm;
  // The progress view; an empty function shows none.
  std::function<std::unique_ptr<os::ProgressView>()> progress;
  // Where the list of applications and a dry run's steps go.
  std::function<void(const std::string& line)> print;
  // Stops the removal before a step, for tests (see TUninstaller::SetBeforeStep).
  std::function<void(const std::string& line)> beforeStep;
  // Receives what the removal had to leave because it was in use (TUninstaller::LeftInUse),
  // when there is any.
  std::function<void(const std::vector<std::string>& names)> leftInUse;
};

// The copy of cdrun kept for the uninstall entry of appName (recordsFolder as in the request).
std::string KeptProgramOf(const std::string& appName, const std::string& recordsFolder = {});

// Runs the request; a failure is shown through show and ends as Failed, a "No" as Cancelled.
TRunOutcome RunRemoval(const TRemovalRequest& request,
                       const std::function<void(const std::exception&)>& show);

}  // namespace cd
