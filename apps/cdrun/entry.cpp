// The program entry of cdrun: single-instance test, configuration name, the answers of an
// unattended run, the install log, the publisher's key, and the run in one handler that
// shows every failure.
#include "entry.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "install/hooks.h"
#include "install/log_event.h"
#include "install/uninstaller.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/program_copy.h"
#include "publisher_key.h"
#include "runner/all_classes.h"
#include "runner/application.h"
#include "runner/ask_medium_id_form.h"
#include "runner/install_log.h"
#include "runner/quiet_progress_view.h"
#include "runner/removal_run.h"
#include "runner/run_outcome.h"
#include "runner/run_rules.h"
#include "runner/runner.h"
#include "runner/sel_inst_form.h"
#include "runner/update_plan.h"
#include "usage.h"

namespace cd {

namespace {

// The class of the window that another start-up program shows while it asks for its disc.
constexpr const char* kInsertCDRomClass = "TInsertCDRomForm";

#ifdef _WIN32
constexpr const char* kPlatform = "Windows";
#else
constexpr const char* kPlatform = "POSIX";
#endif

const char* ModeName(const TRunSwitches& switches) {
  if (switches.dryRun) return "dry run";
  switch (switches.silence) {
    case TSilence::Silent:
      return "silent";
    case TSilence::VerySilent:
      return "very silent";
    case TSilence::None:
      break;
  }
  return "interactive";
}

const char* OutcomeName(EntryOutcome outcome) {
  switch (outcome) {
    case EntryOutcome::Done:
      return "done";
    case EntryOutcome::AnotherInstance:
      return "another instance";
    case EntryOutcome::Cancelled:
      return "cancelled";
    case EntryOutcome::Failed:
      return "failed";
    case EntryOutcome::RestartNeeded:
      return "done, restart needed";
  }
  return "failed";
}

// A message box of a run that shows none: a line on standard error (the log has its event).
void ToStandardError(const std::string& caption, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  std::fflush(stderr);
}

// What the end event counts of the events reported.
struct TRunCounts {
  int copies = 0;
  int members = 0;
  int messages = 0;
};

TRunCounts& Counts() {
  static TRunCounts counts;
  return counts;
}

EntryOutcome OutcomeOf(TRunOutcome outcome, bool restartNeeded) {
  switch (outcome) {
    case TRunOutcome::Done:
      return restartNeeded ? EntryOutcome::RestartNeeded : EntryOutcome::Done;
    case TRunOutcome::Cancelled:
      return EntryOutcome::Cancelled;
    case TRunOutcome::Failed:
      break;
  }
  return EntryOutcome::Failed;
}

// The end event with the run's totals (none for a removal) and duration.
void LogEnd(EntryOutcome outcome, const TSetupTotals* totals,
            std::chrono::steady_clock::time_point started) {
  const TSetupTotals none;
  if (!totals) totals = &none;
  const auto elapsed = std::chrono::steady_clock::now() - started;
  LogEvent(TLogEvent("end")
               .Str("outcome", OutcomeName(outcome))
               .Int("exit_code", ExitCodeOf(outcome))
               .Int("bytes_to_copy", totals->TotalBytes)
               .Int("bytes_copied", totals->DoneBytes + totals->CurrentBytes)
               .Int("copies", Counts().copies)
               .Int("group_members", Counts().members)
               .Int("messages", Counts().messages)
               .Int("ms", std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
}

void PrintLine(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// What the removal of this process left because it was in use.
std::vector<std::string>& LeftInUse() {
  static std::vector<std::string> names;
  return names;
}

// The removal the switches ask for: a question unless silent, the progress view unless very
// silent.
TRemovalRequest RemovalRequest(const TRunSwitches& switches, const TRunnerViews& views) {
  TRemovalRequest request;
  request.appName = *switches.uninstall;
  request.dryRun = switches.dryRun;
  request.print = &PrintLine;
  if (switches.silence == TSilence::None) {
    request.confirm = [](const std::string& question) {
      return os::ShowMessageBox(question, ApplicationTitle(), os::MessageButtons::YesNo,
                                os::MessageIcon::Question) == os::MessageAnswer::Yes;
    };
  }
  if (switches.silence != TSilence::VerySilent) request.progress = views.progress;
  request.leftInUse = [](const std::vector<std::string>& names) { LeftInUse() = names; };
  return request;
}

void PrintPlan(const TUpdatePlan& plan) {
  for (const std::string& line : plan.Lines()) std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

}  // namespace

int ExitCodeOf(EntryOutcome outcome) {
  switch (outcome) {
    case EntryOutcome::Done:
    case EntryOutcome::AnotherInstance:
      return 0;
    case EntryOutcome::Cancelled:
      return 2;
    case EntryOutcome::RestartNeeded:
      return 3;
    case EntryOutcome::Failed:
      break;
  }
  return 1;
}

std::optional<int> RunRemovalInTemporaryCopy(const TRunSwitches& switches) {
  if (!switches.uninstall || switches.uninstall->empty() || switches.dryRun ||
      !switches.handover.empty() || os::RunningProgramCanBeDeleted())
    return std::nullopt;
  if (!SameText(os::ProgramPath(), KeptProgramOf(*switches.uninstall))) return std::nullopt;
  std::string error;
  const std::optional<uint32_t> code = os::RunTemporaryCopy(kHandoverSwitch, &error);
  if (!code) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return std::nullopt;
  }
  return static_cast<int>(*code);
}

void FinishHandedOverRemoval(const TRunSwitches& switches, int exitCode) {
  if (switches.handover.empty()) return;
  constexpr int kStarterEndMs = 30000;
  os::HandBackExitCode(switches.handover, static_cast<uint32_t>(exitCode), kStarterEndMs);
  TUninstaller::RemoveLeftInUse(LeftInUse());
  os::DeleteProgramFileAtRestart();
}

EntryOutcome RunEntry(const TRunSwitches& switches) {
  if (os::TopLevelWindowExists(kInsertCDRomClass)) return EntryOutcome::AnotherInstance;
  const auto started = std::chrono::steady_clock::now();
  std::vector<std::string> args;
  if (switches.configName) args.push_back(*switches.configName);
  // A removal needs no configuration: its record says what to take back.
  const std::string configName =
      switches.uninstall ? std::string() : ResolveConfigName(args, os::ProgramFolder());
  RegisterAllClasses();

  // The log and the counts live as long as the process: the hooks that reach them do.
  static std::unique_ptr<TInstallLog> log;
  if (!switches.logFile.empty())
    log = std::make_unique<TInstallLog>(switches.logFile, switches.logFormat);
  OnLogEvent() = [](const TLogEvent& event) {
    if (event.Name() == "copy") ++Counts().copies;
    if (event.Name() == "member") ++Counts().members;
    if (event.Name() == "message") ++Counts().messages;
    if (log) log->Write(event);
  };
  LogEvent(TLogEvent("start")
               .Str("program", std::string("cdrun ") + kProgramVersion)
               .Str("configuration", configName)
               .Str("platform", kPlatform)
               .Str("mode", ModeName(switches)));

  const bool silent = switches.silence != TSilence::None;
  const std::function<void(const std::exception&)> showFailure = [silent](const std::exception& e) {
    if (dynamic_cast<const EAbort*>(&e)) return;
    LogEvent(TLogEvent("failure").Str("message", e.what()));
    if (silent)
      ToStandardError(ApplicationTitle(), e.what());
    else
      ShowException(e);
  };
  TRunnerViews views;
  views.showError = showFailure;
  if (silent || switches.noRestart) {
    const bool shown = switches.silence != TSilence::VerySilent;
    views.progress = [shown, silent] {
      return std::make_unique<TQuietProgressView>(
          shown ? os::CreateProgressView() : nullptr,
          [silent](const std::string& title, const std::string& text) {
            LogEvent(TLogEvent("restart").Str("text", text));
            if (silent) ToStandardError(title, text);
          });
    };
  }
  // One runner for the process: the hooks it sets stay valid until the program ends.
  static TRunner runner(views);
  InstallRunnerHooks(runner);
  // A destination given on the command line is taken in any run, without the dialog.
  if (silent || switches.dir) InstallUnattendedDestination(switches.dir);
  // Components named on the command line are taken in any run, without the chooser.
  if (switches.components)
    InstallNamedSelection(*switches.components);
  else if (silent)
    InstallUnattendedSelection();
  if (silent)
    OnShowMessage() = [](const std::string& text) { ToStandardError(MessageTitle(), text); };
  runner.SetMode({switches.app, silent, switches.dryRun, &PrintPlan, os::ProgramPath()});

  EntryOutcome outcome = EntryOutcome::Failed;
  if (switches.uninstall) {
    MessageTitle() = ApplicationTitle();
    outcome = OutcomeOf(RunRemoval(RemovalRequest(switches, views), showFailure), false);
    LogEnd(outcome, nullptr, started);
    return outcome;
  }
  bool keyTaken = true;
  try {
    runner.SetPublicKey(PublisherKey(switches.publicKeyFile));
  } catch (const std::exception& failure) {
    showFailure(failure);
    keyTaken = false;
  }
  if (keyTaken) {
    const TRunOutcome ran = RunAndReport(runner, configName, showFailure);
    outcome = OutcomeOf(ran, runner.RestartNeeded());
  }
  LogEnd(outcome, runner.CallBack().GetTotals(), started);
  return outcome;
}

}  // namespace cd
