// TBookCardRef: a library card handed out as IBookCard; it keeps the card alive while held.
#pragma once

#include <memory>

#include "library/book_card.h"
#include "platform/book_card_intf.h"

namespace cd {

class TBookCardRef : public IBookCard {
 public:
  explicit TBookCardRef(std::shared_ptr<TBookCard> card) : card_(std::move(card)) {}

  std::string GetName() override { return card_->Name(); }
  std::string GetDescription() override { return card_->Description(); }
  std::string GetFileName(int kind) override { return card_->FileNameByKind(kind); }
  int DataSourceCount() override { return card_->DataSources().Count(); }
  void Save() override { card_->Save(); }
  std::string GetLanguage() override { return card_->Language(); }
  void PutLanguage(const std::string& language) override { card_->SetLanguage(language); }
  std::string GetPars() override { return card_->Pars(); }
  void PutPars(const std::string& pars) override { card_->SetPars(pars); }
  std::string GetMediumId() override { return card_->MediumId(); }
  std::string GetMediumPath() override { return card_->MediumPath(); }
  std::string GetTitleDescr() override { return card_->TitleDescr(); }
  std::string GetTitleName() override { return card_->TitleName(); }

  TBookCard& Card() const { return *card_; }

 private:
  std::shared_ptr<TBookCard> card_;
};

}  // namespace cd
