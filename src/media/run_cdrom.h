// TRunCDRom: one distribution medium of an installation description: its identity, the data
// instances and files it carries, and the options and paths of its own run configuration.
#pragma once

#include <memory>
#include <string>

#include "config/integer_list.h"
#include "config/string_list.h"
#include "install/e_item.h"
#include "install/files_manager_run_data.h"

namespace cd {

class TBookCard;
class TCollection;

class TRunCDRom : public TEItem {
 public:
  // Creates the empty Instances, Files and RunData; RunData's InstallLang is "EN".
  explicit TRunCDRom(TComponent* owner);
  ~TRunCDRom() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Every instance must exist and every file named (lists expanded) must be a file item.
  void CheckConsistence() override;
  // The library card of the instance at position index of Instances, and its file name
  // "_Editpla.a%2.2d". The player's own instance also writes the languages file.
  std::unique_ptr<TBookCard> CreateBookCard(int index, std::string& fileName) const;
  // One application entry per ordinary instance, appended to viewers.
  void AddViewerItems(TCollection& viewers) const;
  // The names of Files with the lists expanded, sorted, without duplicates.
  void ExpandFiles(TStringList& names) const;

  // Volume label of the disc, or a location (a drive path or "http://" name).
  const std::string& MediumId() const { return mediumId_; }
  void SetMediumId(const std::string& v) { mediumId_ = v; }
  const std::string& Descr() const { return descr_; }
  void SetDescr(const std::string& v) { descr_ = v; }
  // Ids of the data instances on this medium, in order.
  TIntegerList& Instances() const { return *instances_; }
  // Names of the file items on this medium; "@Name" stands for a file list.
  TStringList& Files() const { return *files_; }
  const std::string& PrgSubPath() const { return prgSubPath_; }
  void SetPrgSubPath(const std::string& v) { prgSubPath_ = v; }
  TFilesManagerRunData& RunData() const { return *runData_; }
  const std::string& PgtLangsTxt() const { return pgtLangsTxt_; }
  void SetPgtLangsTxt(const std::string& v) { pgtLangsTxt_ = v; }
  const std::string& PgtLang() const { return pgtLang_; }
  void SetPgtLang(const std::string& v) { pgtLang_ = v; }
  const std::string& PgtLangs() const { return pgtLangs_; }
  void SetPgtLangs(const std::string& v) { pgtLangs_ = v; }
  const std::string& PrgPrefixPath() const { return prgPrefixPath_; }
  void SetPrgPrefixPath(const std::string& v) { prgPrefixPath_ = v; }
  const std::string& DestPrgPath() const { return destPrgPath_; }
  void SetDestPrgPath(const std::string& v) { destPrgPath_ = v; }
  const std::string& ConfigFileName() const { return configFileName_; }
  void SetConfigFileName(const std::string& v) { configFileName_ = v; }
  bool AllowDuplicateMediumId() const { return allowDuplicateMediumId_; }
  void SetAllowDuplicateMediumId(bool v) { allowDuplicateMediumId_ = v; }

 private:
  std::string mediumId_;
  std::string descr_;
  std::unique_ptr<TIntegerList> instances_;
  std::unique_ptr<TStringList> files_;
  std::string prgSubPath_;
  std::unique_ptr<TFilesManagerRunData> runData_;
  std::string pgtLangsTxt_;
  std::string pgtLang_;
  std::string pgtLangs_;
  std::string prgPrefixPath_;
  std::string destPrgPath_;
  std::string configFileName_;
  bool allowDuplicateMediumId_ = false;
};

}  // namespace cd
