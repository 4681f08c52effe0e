// TUninstaller: the removal of one recorded application. Each step is logged and counted:
// registrations are undone in reverse order, each recorded file still unchanged since its
// install is deleted (a changed one is kept and named; one another record names stays for
// it), then the card and settings that came from this application, the folders the runs
// created when they are empty, the uninstall entry and last the record itself. Nothing the
// record does not name is touched, and each step can be done again, so a removal that was
// stopped midway and is run again completes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace cd {

class TInstallRecord;

class TUninstaller {
 public:
  // recordsFolder holds the records (the Windows directory's "Vok\", with its "\"). Fails,
  // naming the application, when it has no record.
  TUninstaller(std::string recordsFolder, const std::string& appName);
  ~TUninstaller();
  TUninstaller(const TUninstaller&) = delete;
  TUninstaller& operator=(const TUninstaller&) = delete;

  const TInstallRecord& Record() const { return *record_; }

  // Called before each step that changes something, with the step's line; a test stops the
  // removal there by raising.
  void SetBeforeStep(std::function<void(const std::string& line)> hook) {
    beforeStep_ = std::move(hook);
  }
  // Called as each step begins with its target and the share of the steps done before it
  // (0 to 100), and after the last with an empty target and 100.
  void SetProgress(std::function<void(const std::string& target, int percent)> progress) {
    progress_ = std::move(progress);
  }

  // Removes the application; with dryRun only lists the steps. Returns one line a step.
  std::vector<std::string> Run(bool dryRun);
  // The files kept because the user changed them since they were installed.
  const std::vector<std::string>& KeptChanged() const { return keptChanged_; }
  // What the last step had to leave because it was in use (the kept copy of cdrun that runs
  // this removal, then the folders above it): the kept copy and the folders to remove when
  // empty, for RemoveLeftInUse once the program has ended.
  const std::vector<std::string>& LeftInUse() const { return leftInUse_; }
  // Deletes the files and removes the folders (when empty) of a LeftInUse list, each file
  // tried again for a few seconds while the program that held it ends; what still refuses is
  // logged.
  static void RemoveLeftInUse(const std::vector<std::string>& names);

 private:
  struct Step;
  std::vector<Step> Plan();
  // The other records of the folder, each read once.
  void LoadOthers();
  bool OthersNameFile(const std::string& name) const;
  bool OthersNameRegistration(const std::string& name) const;

  std::string recordsFolder_;
  std::string recordFile_;
  std::unique_ptr<TInstallRecord> record_;
  std::vector<std::unique_ptr<TInstallRecord>> others_;
  std::function<void(const std::string&)> beforeStep_;
  std::function<void(const std::string&, int)> progress_;
  std::vector<std::string> keptChanged_;
  std::vector<std::string> leftInUse_;
};

}  // namespace cd
