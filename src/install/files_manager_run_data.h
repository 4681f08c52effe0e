// TFilesManagerRunData: the run options of a run configuration (installation language, extra
// installations, the destination the user chooses), held by a files manager or a medium.
#pragma once

#include <string>

#include "config/persistent.h"
#include "install/run_options.h"

namespace cd {

class TFilesManagerRunData : public TPersistent {
 public:
  // owner: the object holding this run data (a files manager or a medium).
  explicit TFilesManagerRunData(TPersistent* owner = nullptr) : owner_(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& InstallLang() const { return installLang_; }
  void SetInstallLang(const std::string& v) { installLang_ = v; }
  TRunOptions Options() const { return options_; }
  void SetOptions(TRunOptions v) { options_ = v; }
  // The Targets name of a destination directory that the user chooses.
  const std::string& AskPathName() const { return askPathName_; }
  void SetAskPathName(const std::string& v) { askPathName_ = v; }
  // The prompt (a multilingual string) shown when asking for that directory.
  const std::string& AskPathNameDescr() const { return askPathNameDescr_; }
  void SetAskPathNameDescr(const std::string& v) { askPathNameDescr_ = v; }
  // The version and the publisher (a multilingual string) that the application's uninstall
  // entry shows; empty: the entry has none.
  const std::string& DisplayVersion() const { return displayVersion_; }
  void SetDisplayVersion(const std::string& v) { displayVersion_ = v; }
  const std::string& Publisher() const { return publisher_; }
  void SetPublisher(const std::string& v) { publisher_ = v; }

  TPersistent* GetOwner() const override { return owner_; }
  // From another run data: copies all its keys.
  void Assign(const TPersistent& source) override;

 private:
  TPersistent* owner_;
  std::string installLang_;
  TRunOptions options_ = 0;
  std::string askPathName_;
  std::string askPathNameDescr_;
  std::string displayVersion_;
  std::string publisher_;
};

}  // namespace cd
