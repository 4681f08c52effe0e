// The program entry of cdrun: single-instance test, configuration name, the run in one
// handler that shows every failure; the publisher's key when there is one.
#include "entry.h"

#include "base/exceptions.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "publisher_key.h"
#include "runner/all_classes.h"
#include "runner/application.h"
#include "runner/run_outcome.h"
#include "runner/run_rules.h"
#include "runner/runner.h"

namespace cd {

namespace {

// The class of the window that another start-up program shows while it asks for its disc.
constexpr const char* kInsertCDRomClass = "TInsertCDRomForm";

}  // namespace

EntryOutcome RunEntry(std::vector<std::string> args) {
  if (os::TopLevelWindowExists(kInsertCDRomClass)) return EntryOutcome::AnotherInstance;
  const std::string keyFile = TakeKeyOption(args);
  const std::string configName = ResolveConfigName(args, os::ProgramFolder());
  RegisterAllClasses();
  // One runner for the process: the hooks it sets stay valid until the program ends.
  static TRunner runner;
  InstallRunnerHooks(runner);
  try {
    runner.SetPublicKey(PublisherKey(keyFile));
  } catch (const std::exception& failure) {
    ShowException(failure);
    return EntryOutcome::Failed;
  }
  switch (RunAndReport(runner, configName, [](const std::exception& e) { ShowException(e); })) {
    case TRunOutcome::Done:
      return EntryOutcome::Done;
    case TRunOutcome::Cancelled:
      return EntryOutcome::Cancelled;
    case TRunOutcome::Failed:
      break;
  }
  return EntryOutcome::Failed;
}

}  // namespace cd
