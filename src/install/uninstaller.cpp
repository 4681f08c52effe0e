// The removal of a recorded application, planned as a list of steps and done in that order.
#include "install/uninstaller.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <thread>
#include <utility>

#include "base/exceptions.h"
#include "install/hooks.h"
#include "install/install_record.h"
#include "install/log_event.h"
#include "install/program_start.h"
#include "install/recorded_file.h"
#include "install/recorded_registration.h"
#include "install/uninstall_entry.h"
#include "platform/dir_removal.h"
#include "platform/files.h"
#include "platform/library.h"
#include "util/format.h"

namespace cd {

struct TUninstaller::Step {
  std::string action;  // what the step does, in words
  std::string target;
  std::function<void()> act;  // empty for a step that only tells what stays
};

namespace {

void DeleteRecordedFile(const std::string& name) {
  if (!os::FileExists(name)) return;
  if (!os::DeleteFile(name))
    throw Exception(Format("Cannot remove file \"%s\": %s", {name, os::LastRefusal()}));
}

void RemoveFolderIfEmpty(const std::string& folder) {
  if (!os::DirectoryExists(folder) || !os::ListDirectory(folder, "*").empty()) return;
  std::string error;
  if (!os::RemoveDir(folder, &error))
    throw Exception(Format("Cannot remove folder \"%s\": %s", {folder, error}));
}

void Unregister(const TRecordedRegistration& registration) {
  const std::string& name = registration.Name();
  if (registration.Library()) {
    int32_t result = 0;
    std::string error;
    const os::RegisterServerResult outcome =
        os::CallDllServerEntry(name, "DllUnregisterServer", &result, &error);
    LogEvent(TLogEvent("unregister")
                 .Str("program", name)
                 .Str("entry", "DllUnregisterServer")
                 .Int("result", result)
                 .Str("error", error)
                 .Bool("done", outcome == os::RegisterServerResult::Registered));
    return;
  }
  const uint32_t code = RunAndWait(QuotedProgram(name), "-unregserver", TStepProc());
  LogEvent(TLogEvent("unregister").Str("program", name + " -unregserver").Int("exit_code", code));
}

}  // namespace

TUninstaller::TUninstaller(std::string recordsFolder, const std::string& appName)
    : recordsFolder_(std::move(recordsFolder)),
      recordFile_(TInstallRecord::FileNameIn(recordsFolder_, appName)) {
  if (!os::FileExists(recordFile_))
    throw Exception(Format("No application \"%s\" is recorded as installed (no \"%s\")",
                           {appName, recordFile_}));
  record_ = TInstallRecord::Load(recordFile_);
  LoadOthers();
}

TUninstaller::~TUninstaller() = default;

void TUninstaller::LoadOthers() {
  for (const std::string& other : RecordedApplications(recordsFolder_)) {
    const std::string file = TInstallRecord::FileNameIn(recordsFolder_, other);
    if (SameText(file, recordFile_)) continue;
    try {
      others_.push_back(TInstallRecord::Load(file));
    } catch (const std::exception&) {
      // A record that cannot be read names nothing.
    }
  }
}

bool TUninstaller::OthersNameFile(const std::string& name) const {
  for (const auto& other : others_)
    if (other->FindFile(name) || other->Cards().IndexOf(name) >= 0 ||
        SameText(other->Settings(), name))
      return true;
  return false;
}

bool TUninstaller::OthersNameRegistration(const std::string& name) const {
  for (const auto& other : others_)
    for (int i = 0; i < other->RegistrationCount(); ++i)
      if (SameText(other->Registration(i).Name(), name)) return true;
  return false;
}

std::vector<TUninstaller::Step> TUninstaller::Plan() {
  std::vector<Step> steps;
  for (int i = record_->RegistrationCount() - 1; i >= 0; --i) {
    const TRecordedRegistration& registration = record_->Registration(i);
    const std::string& name = registration.Name();
    if (OthersNameRegistration(name)) {
      steps.push_back({"keep the registration another application uses", name, {}});
    } else if (os::FileExists(name)) {
      steps.push_back({"unregister", name, [&registration] { Unregister(registration); }});
    }
  }
  auto removeFile = [&](const std::string& name, bool checkContents, const TRecordedFile* file) {
    if (!os::FileExists(name)) return;
    if (OthersNameFile(name)) {
      steps.push_back({"keep the file another application uses", name, {}});
    } else if (checkContents && !file->UnchangedOnDisk()) {
      steps.push_back({"keep the file changed since it was installed", name, {}});
    } else {
      steps.push_back({"remove file", name, [name] { DeleteRecordedFile(name); }});
    }
  };
  for (int i = 0; i < record_->FileCount(); ++i)
    removeFile(record_->File(i).Name(), true, &record_->File(i));
  // The card and the settings change with use; they came from this application, so they go.
  for (const std::string& card : record_->Cards().Items()) removeFile(card, false, nullptr);
  if (!record_->Settings().empty()) removeFile(record_->Settings(), false, nullptr);
  // Deepest first, so that a folder is empty of the folders inside it when its turn comes.
  std::vector<std::string> folders = record_->Folders().Items();
  std::stable_sort(folders.begin(), folders.end(),
                   [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const std::string& folder : folders) {
    if (os::DirectoryExists(folder))
      steps.push_back(
          {"remove folder when empty", folder, [folder] { RemoveFolderIfEmpty(folder); }});
  }
  const std::string appName = record_->AppName();
  steps.push_back({"remove the uninstall entry", UninstallKey(appName), [appName] {
                     if (!RemoveUninstallEntry(appName))
                       throw Exception(Format("Cannot remove the uninstall entry \"%s\"",
                                              {UninstallKey(appName)}));
                   }});
  const std::string folder = recordFile_.substr(0, recordFile_.find_last_of('\\'));
  steps.push_back(
      {"remove the install record", recordFile_, [this, folder, folders] {
         // The record goes last: until then a removal run again finds its way.
         // The kept program may be the one running this removal; then it and the folders
         // above it are left for when it has ended.
         const std::string program = folder + "\\" + kKeptProgram;
         if (os::FileExists(program) && !os::DeleteFile(program)) {
           LogEvent(
               TLogEvent("left-in-use").Str("target", program).Str("reason", os::LastRefusal()));
           leftInUse_ = {program, folder};
           leftInUse_.insert(leftInUse_.end(), folders.begin(), folders.end());
         }
         DeleteRecordedFile(recordFile_);
         RemoveFolderIfEmpty(folder);
         // The folder of the records may have held only this one.
         for (const std::string& created : folders) RemoveFolderIfEmpty(created);
       }});
  return steps;
}

std::vector<std::string> TUninstaller::Run(bool dryRun) {
  keptChanged_.clear();
  leftInUse_.clear();
  const std::vector<Step> steps = Plan();
  std::vector<std::string> lines;
  for (size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    const std::string line = step.action + ": " + step.target;
    lines.push_back(line);
    if (step.action == "keep the file changed since it was installed")
      keptChanged_.push_back(step.target);
    if (progress_) progress_(step.target, static_cast<int>(i * 100 / steps.size()));
    LogEvent(TLogEvent("remove")
                 .Str("action", step.action)
                 .Str("target", step.target)
                 .Bool("dry_run", dryRun));
    if (!dryRun && step.act) {
      if (beforeStep_) beforeStep_(line);
      step.act();
    }
  }
  if (progress_) progress_({}, 100);
  return lines;
}

void TUninstaller::RemoveLeftInUse(const std::vector<std::string>& names) {
  constexpr int kTries = 50;  // 100 ms apart
  for (const std::string& name : names) {
    try {
      if (os::DirectoryExists(name)) {
        RemoveFolderIfEmpty(name);
        continue;
      }
      for (int i = 0; i < kTries && os::FileExists(name) && !os::DeleteFile(name); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      DeleteRecordedFile(name);
    } catch (const std::exception& failure) {
      LogEvent(TLogEvent("remove-failed").Str("target", name).Str("reason", failure.what()));
    }
  }
}

}  // namespace cd
