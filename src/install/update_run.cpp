// The update run of a files manager: three passes over the items, then the end action.
#include "install/update_run.h"

#include "install/file_item.h"
#include "install/files_manager.h"
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
  SetCallback(callback);
  ForEachItem(*this, true, [](TFileItem& item) { item.DoUserInstall(0); });
  if (callback) {
    if (TProgressProc progress = callback->GetProgressProc())
      progress(kProgressCopyDone, kProgressCopyDone, callback->GetTotals());
  }
  ForEachItem(*this, true, [](TFileItem& item) { item.DoUserInstall(1); });
  ForEachItem(*this, false, [](TFileItem& item) { item.DoUserInstall(2); });

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

}  // namespace cd
