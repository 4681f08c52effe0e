// TRunViewer: one viewer program of an installation description: what to start, what its
// installation needs, and the language defaults and names of its library cards. Its children
// are the data sets (TRunData) it shows.
#pragma once

#include <string>

#include "install/e_item.h"
#include "install/run_options.h"

namespace cd {

class TRunViewer : public TEItem {
 public:
  explicit TRunViewer(TComponent* owner) : TEItem(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Automation identifier; the Viewer key of the library cards of ordinary instances.
  const std::string& ProgId() const { return progId_; }
  void SetProgId(const std::string& v) { progId_ = v; }
  // Program relative to "Vok\" under the Windows directory.
  const std::string& ExePath() const { return exePath_; }
  void SetExePath(const std::string& v) { exePath_ = v; }
  TRunOptions Options() const { return options_; }
  void SetOptions(TRunOptions v) { options_ = v; }
  const std::string& LangsTxt() const { return langsTxt_; }
  void SetLangsTxt(const std::string& v) { langsTxt_ = v; }
  const std::string& Lang() const { return lang_; }
  void SetLang(const std::string& v) { lang_ = v; }
  const std::string& Langs() const { return langs_; }
  void SetLangs(const std::string& v) { langs_ = v; }
  const std::string& ShortDescr() const { return shortDescr_; }
  void SetShortDescr(const std::string& v) { shortDescr_ = v; }

 private:
  std::string progId_;
  std::string exePath_;
  TRunOptions options_ = 0;
  std::string langsTxt_;
  std::string lang_;
  std::string langs_;
  std::string shortDescr_;
};

}  // namespace cd
