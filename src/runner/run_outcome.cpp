// RunAndReport: the one handler around a run.
#include "runner/run_outcome.h"

#include "base/exceptions.h"
#include "install/hooks.h"

namespace cd {

TRunOutcome RunAndReport(TRunner& runner, const std::string& configName,
                         const std::function<void(const std::exception&)>& show) {
  const int messagesBefore = EngineMessagesShown();
  try {
    runner.Run(configName);
  } catch (const EAbort&) {
    return EngineMessagesShown() > messagesBefore ? TRunOutcome::Failed : TRunOutcome::Cancelled;
  } catch (const std::exception& failure) {
    show(failure);
    return TRunOutcome::Failed;
  }
  return runner.UpdateFailedInWindow() ? TRunOutcome::Failed : TRunOutcome::Done;
}

}  // namespace cd
