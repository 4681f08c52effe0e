// The install record built from the run's events.
#include "install/install_recorder.h"

#include <exception>
#include <string_view>
#include <utility>
#include <vector>

#include "install/install_record.h"
#include "install/log_event.h"
#include "install/recorded_file.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace cd {
namespace {

// The folder of a full name, without its trailing "\"; empty at a drive's root.
std::string ParentFolder(const std::string& name) {
  const size_t slash = name.find_last_of('\\');
  if (slash == std::string::npos || slash < 3) return {};
  return name.substr(0, slash);
}

}  // namespace

std::string RecordFolderName(const std::string& appName) {
  std::string name;
  for (const char c : appName) {
    const bool unfit = static_cast<unsigned char>(c) < 0x20 ||
                       std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
    name += unfit ? '_' : c;
  }
  if (name.find_first_not_of('.') == std::string::npos) name = "_";
  return name;
}

TInstallRecorder::TInstallRecorder(std::string recordsFolder, std::string appName)
    : recordsFolder_(std::move(recordsFolder)) {
  const std::string folderName = RecordFolderName(appName);
  const std::string file = TInstallRecord::FileNameIn(recordsFolder_, folderName);
  // A later run of the same application adds to what the earlier ones installed.
  if (os::FileExists(file)) {
    try {
      record_ = TInstallRecord::Load(file);
    } catch (const std::exception&) {
      record_.reset();  // an unreadable record is replaced by this run's
    }
  }
  if (!record_) record_ = std::make_unique<TInstallRecord>(nullptr);
  record_->SetAppName(folderName);
  for (const std::string& other : RecordedApplications(recordsFolder_)) {
    if (SameText(other, folderName)) continue;
    try {
      others_.push_back(TInstallRecord::Load(TInstallRecord::FileNameIn(recordsFolder_, other)));
    } catch (const std::exception&) {
      // A record that cannot be read names nothing.
    }
  }
}

TInstallRecorder::~TInstallRecorder() = default;

void TInstallRecorder::NoteCreatedFolders(const std::string& target) {
  std::vector<std::string> missing;
  for (std::string folder = ParentFolder(target); !folder.empty() && !os::DirectoryExists(folder);
       folder = ParentFolder(folder))
    missing.push_back(folder);
  TStringList& folders = record_->Folders();
  for (auto it = missing.rbegin(); it != missing.rend(); ++it)
    if (folders.IndexOf(*it) < 0) folders.Add(*it);
}

bool TInstallRecorder::OthersName(const std::string& name,
                                  TStringList& (TInstallRecord::*list)() const) const {
  for (const auto& other : others_)
    if (((*other).*list)().IndexOf(name) >= 0) return true;
  return false;
}

void TInstallRecorder::InheritFolders(const std::string& target) {
  // The folders another run made above a target of this one are this application's too: the
  // last application that uses them removes them.
  for (const auto& other : others_) {
    const TStringList& folders = other->Folders();
    for (int i = 0; i < folders.Count(); ++i) {
      const std::string& folder = folders.Strings(i);
      const bool above = target.size() > folder.size() && target[folder.size()] == '\\' &&
                         SameText(target.substr(0, folder.size()), folder);
      if (above && record_->Folders().IndexOf(folder) < 0) record_->Folders().Add(folder);
    }
  }
}

bool TInstallRecorder::TakeShared(const std::string& target) {
  for (const auto& other : others_) {
    if (!other->FindFile(target)) continue;
    record_->AddFile(target).TakeFromDisk();
    return true;
  }
  return false;
}

void TInstallRecorder::Take(const TLogEvent& event) {
  const std::string& name = event.Name();
  const std::string target = event.Value("target");
  if (name == "destination") {
    record_->SetDestination(event.Value("path"));
  } else if (name == "components") {
    record_->Components().SetCommaText(event.Value("lists"));
  } else if (name == "decision" && !target.empty()) {
    InheritFolders(target);
    if (event.Value("needed") == "true") {
      NoteCreatedFolders(target);
    } else if (!record_->FindFile(target) && os::FileExists(target) && TakeShared(target)) {
      // Up to date because another application installed it: this one uses it too.
      installed_ = true;
    }
  } else if ((name == "copy" || name == "member") && os::FileExists(target)) {
    installed_ = record_->AddFile(target).TakeFromDisk() || installed_;
  } else if (name == "register") {
    const bool library = !event.Value("entry").empty();
    std::string program = event.Value("program");
    if (!library) program = program.substr(0, program.rfind(" -regserver"));
    record_->AddRegistration(program, library);
    installed_ = true;
  } else if (name == "card-merge") {
    // A card this application made, or one another application made and this one uses.
    const bool made = event.Value("written") == "true" && event.Value("existed") == "false";
    if ((made || OthersName(target, &TInstallRecord::Cards)) &&
        record_->Cards().IndexOf(target) < 0) {
      record_->Cards().Add(target);
      installed_ = true;
    }
    installed_ = installed_ || event.Value("written") == "true";
  } else if (name == "settings" && event.Value("written") == "true") {
    if (event.Value("existed") == "false") record_->SetSettings(target);
    installed_ = true;
  }
}

std::string TInstallRecorder::SaveIfInstalled() const {
  if (!installed_) return {};
  const std::string file = TInstallRecord::FileNameIn(recordsFolder_, record_->AppName());
  record_->Save(file);
  return file;
}

}  // namespace cd
