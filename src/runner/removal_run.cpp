// The removal run: what the user is asked and shown around TUninstaller.
#include "runner/removal_run.h"

#include <vector>

#include "base/exceptions.h"
#include "install/files_manager.h"
#include "install/hooks.h"
#include "install/install_record.h"
#include "install/log_event.h"
#include "install/uninstall_entry.h"
#include "install/uninstaller.h"
#include "util/format.h"

namespace cd {
namespace {

void ListApplications(const TRemovalRequest& request, const std::string& folder) {
  const std::vector<std::string> names = RecordedApplications(folder);
  if (names.empty()) request.print("No application is recorded as installed.");
  for (const std::string& name : names) {
    std::string title;
    try {
      title = TInstallRecord::Load(TInstallRecord::FileNameIn(folder, name))->Title();
    } catch (const std::exception& failure) {
      title = failure.what();
    }
    request.print(name + "\t" + title);
  }
}

void Remove(const TRemovalRequest& request, const std::string& folder) {
  LogEvent(TLogEvent("uninstall").Str("application", request.appName).Str("records", folder));
  TUninstaller uninstaller(folder, request.appName);
  const std::string title =
      uninstaller.Record().Title().empty() ? request.appName : uninstaller.Record().Title();
  if (request.dryRun) {
    for (const std::string& line : uninstaller.Run(true)) request.print(line);
    return;
  }
  if (request.confirm &&
      !request.confirm(
          Format("Remove \"%s\" and everything it installed from this computer?", {title})))
    throw EAbort();
  uninstaller.SetBeforeStep(request.beforeStep);
  std::unique_ptr<os::ProgressView> view = request.progress ? request.progress() : nullptr;
  if (view) {
    view->SetMessage(Format("Removing \"%s\"", {title}));
    // Each file and folder is shown as its turn comes, as the update shows its copies.
    uninstaller.SetProgress([&view](const std::string& target, int percent) {
      view->SetFileName(target);
      view->SetBar(0, 100, percent);
      view->ProcessMessages();
    });
    view->RunModal([&] { uninstaller.Run(false); });
  } else {
    uninstaller.Run(false);
  }
  if (request.leftInUse && !uninstaller.LeftInUse().empty())
    request.leftInUse(uninstaller.LeftInUse());
  std::string closing = Format("\"%s\" was removed.", {title});
  if (!uninstaller.KeptChanged().empty()) {
    closing += " These files were changed since they were installed and were kept:";
    for (const std::string& file : uninstaller.KeptChanged()) closing += "\n" + file;
  }
  ShowEngineMessage(closing);
}

std::string RecordsFolder(const std::string& given) {
  return given.empty() ? TFilesManager::GetDirectory(kDirWindowsVok) : given;
}

}  // namespace

std::string KeptProgramOf(const std::string& appName, const std::string& recordsFolder) {
  const std::string record = TInstallRecord::FileNameIn(RecordsFolder(recordsFolder), appName);
  return record.substr(0, record.find_last_of('\\') + 1) + kKeptProgram;
}

TRunOutcome RunRemoval(const TRemovalRequest& request,
                       const std::function<void(const std::exception&)>& show) {
  const std::string folder = RecordsFolder(request.recordsFolder);
  try {
    if (request.appName.empty())
      ListApplications(request, folder);
    else
      Remove(request, folder);
    return TRunOutcome::Done;
  } catch (const EAbort&) {
    LogEvent(TLogEvent("cancelled"));
    return TRunOutcome::Cancelled;
  } catch (const std::exception& failure) {
    show(failure);
    return TRunOutcome::Failed;
  }
}

}  // namespace cd
