// TInstallRecorder: builds the install record of a run from the events the run reports (the
// answers, the decisions, every copy, member, registration, card merge and settings carried)
// and merges it into the record an earlier run of the same application left.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace cd {

class TInstallRecord;
class TLogEvent;
class TStringList;

class TInstallRecorder {
 public:
  // recordsFolder holds the records (the Windows directory's "Vok\", with its "\").
  TInstallRecorder(std::string recordsFolder, std::string appName);
  ~TInstallRecorder();
  TInstallRecorder(const TInstallRecorder&) = delete;
  TInstallRecorder& operator=(const TInstallRecorder&) = delete;

  TInstallRecord& Record() { return *record_; }
  const TInstallRecord& Record() const { return *record_; }
  void Take(const TLogEvent& event);
  // Whether the run wrote anything the record names.
  bool Installed() const { return installed_; }
  // Writes the record when the run installed something; returns its file name or "".
  std::string SaveIfInstalled() const;

 private:
  void NoteCreatedFolders(const std::string& target);
  void InheritFolders(const std::string& target);
  // Adds a file another application's record names; false when no other record names it.
  bool TakeShared(const std::string& target);
  // Whether another application's record has name in the list.
  bool OthersName(const std::string& name, TStringList& (TInstallRecord::*list)() const) const;

  std::string recordsFolder_;
  std::unique_ptr<TInstallRecord> record_;
  std::vector<std::unique_ptr<TInstallRecord>> others_;
  bool installed_ = false;
};

// An application's name made fit to name its folder: characters a file name cannot hold
// become "_"; an empty name or one of dots becomes "_".
std::string RecordFolderName(const std::string& appName);

}  // namespace cd
