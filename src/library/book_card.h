// TBookCard: the library card of one installed title: which title, on which medium and path,
// shown by which viewer, in which language, and where its data sources are.
#pragma once

#include <memory>
#include <string>

#include "config/string_list.h"
#include "library/data_source_collection.h"
#include "library/form_par.h"

namespace cd {

class TBookCard : public TFormPar {
 public:
  explicit TBookCard(TComponent* owner);
  ~TBookCard() override;
  // A card without owner read from its file, which holds exactly one object ("VMConfig.
  // ReadObject: L.count<>1" otherwise); FileName is fileName afterwards.
  static std::unique_ptr<TBookCard> CreateFromFile(const std::string& fileName);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Viewer() const { return viewer_; }
  void SetViewer(const std::string& v) { viewer_ = v; }
  const std::string& Language() const { return language_; }
  void SetLanguage(const std::string& v) { language_ = v; }
  const std::string& LastLanguages() const { return lastLanguages_; }
  void SetLastLanguages(const std::string& v) { lastLanguages_ = v; }
  const std::string& Pars() const { return pars_; }
  void SetPars(const std::string& v) { pars_ = v; }
  const std::string& MediumId() const { return mediumId_; }
  void SetMediumId(const std::string& v) { mediumId_ = v; }
  const std::string& MediumPath() const { return mediumPath_; }
  void SetMediumPath(const std::string& v) { mediumPath_ = v; }
  const std::string& TitleDescr() const { return titleDescr_; }
  void SetTitleDescr(const std::string& v) { titleDescr_ = v; }
  const std::string& TitleName() const { return titleName_; }
  void SetTitleName(const std::string& v) { titleName_ = v; }
  const std::string& ViewerName() const { return viewerName_; }
  void SetViewerName(const std::string& v) { viewerName_ = v; }
  TStringList& Publishers() const { return *publishers_; }
  const std::string& Date() const { return date_; }
  void SetDate(const std::string& v) { date_ = v; }
  TStringList& DataClass() const { return *dataClass_; }
  TDataSourceCollection& DataSources() const { return *dataSources_; }
  // Full name of the card's own file.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& v) { fileName_ = v; }

  // Writes the card to FileName in object text and puts the file's previous date and time
  // back, so that saving never makes a card look newer to an update.
  void Save() const;
  // The card's file name by kind: 0 FileName; 1 the name part (no folder), a dot and the
  // extension upper-cased with its first character lowered by 17 codes, so that a letter A to J
  // becomes a digit ("_Editpla.a01" gives "_Editpla.001"). Other kinds give an empty name.
  std::string FileNameByKind(int kind) const;

 private:
  std::string viewer_;
  std::string language_;
  std::string lastLanguages_;
  std::string pars_;
  std::string mediumId_;
  std::string mediumPath_;
  std::string titleDescr_;
  std::string titleName_;
  std::string viewerName_;
  std::unique_ptr<TStringList> publishers_;
  std::string date_;
  std::unique_ptr<TStringList> dataClass_;
  std::unique_ptr<TDataSourceCollection> dataSources_;
  std::string fileName_;
};

}  // namespace cd
