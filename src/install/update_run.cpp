// The update run of a files manager: three passes over the items, then the end action.
#include "install/update_run.h"

#include "base/exceptions.h"
#include "install/file_item.h"
#include "install/files_manager.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "util/format.h"

namespace cd {
namespace {

template <class Visit>
void ForEachItem(TFilesManager& manager, bool neededOnly, Visit visit) {
  for (int i = 0; i < manager.ChildCount(); ++i) {
    auto* item = dynamic_cast<TFileItem*>(manager.Child(i));
    if (item && (!neededOnly || item->IsNeeded())) visit(*item);
  }
}

}  // namespace

void TFilesManager::Update(ISetupCallBack* callback) {
  CheckRunCommand(RunCommand());
  SetCallback(callback);
  ForEachItem(*this, true, [](TFileItem& item) { item.DoUserInstall(kPhaseInstall); });
  if (callback) {
    if (TProgressProc progress = callback->GetProgressProc())
      progress(kProgressCopyDone, kProgressCopyDone, callback->GetTotals());
  }
  ForEachItem(*this, true, [](TFileItem& item) { item.DoUserInstall(kPhaseRegister); });
  ForEachItem(*this, false, [](TFileItem& item) { item.DoUserInstall(kPhaseFinish); });

  if (!MediaPlayerInstalled() && !RunCommand().empty()) {
    StartProgram(GetDirectory(kDirWindowsVok) + RunCommand());
  } else if (MediaPlayerInstalled() && callback) {
    callback->ShowRestartMessage(RunTitle());
  }
}

uint32_t RunAndWait(const std::string& commandLine, const std::string& params,
                    const TStepProc& tick) {
  return os::RunProcessAndWait(Format("%s %s", {commandLine, params}), tick);
}

std::string QuotedProgram(const std::string& fileName) {
  if (fileName.find(' ') == std::string::npos) return fileName;
  return "\"" + fileName + "\"";
}

void StartProgram(const std::string& commandLine) {
  os::StartProcess(commandLine, 5);
}

void CheckRunCommand(const std::string& runCommand) {
  if (runCommand.empty()) return;
  const std::string program = runCommand.substr(0, runCommand.find(' '));
  if (os::IsSafeRelativeName(program) && program.find('"') == std::string::npos) return;
  throw Exception(Format(
      "TFilesManager.StartProgram: The program \"%s\" is not a file name inside the Vok folder",
      {program}));
}

}  // namespace cd
