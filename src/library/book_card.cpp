// TBookCard: stored keys and the lists it owns.
#include "library/book_card.h"

namespace cd {

const TClassInfo& TBookCard::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TBookCard>("TBookCard", &TFormPar::StaticClass())
          .Str("Viewer", &TBookCard::viewer_)
          .Str("Language", &TBookCard::language_)
          .Str("LastLanguages", &TBookCard::lastLanguages_)
          .Str("Pars", &TBookCard::pars_)
          .Str("MediumId", &TBookCard::mediumId_)
          .Str("MediumPath", &TBookCard::mediumPath_)
          .Str("TitleDescr", &TBookCard::titleDescr_)
          .Str("TitleName", &TBookCard::titleName_)
          .Str("ViewerName", &TBookCard::viewerName_)
          .Object("Publishers", [](TBookCard& c) { return c.publishers_.get(); })
          .Str("Date", &TBookCard::date_)
          .Object("DataClass", [](TBookCard& c) { return c.dataClass_.get(); })
          .Collection("DataSources", [](TBookCard& c) { return c.dataSources_.get(); })
          .Str("FileName", &TBookCard::fileName_)
          .Build();
  return info;
}

TBookCard::TBookCard(TComponent* owner)
    : TFormPar(owner),
      publishers_(std::make_unique<TStringList>()),
      dataClass_(std::make_unique<TStringList>()),
      dataSources_(std::make_unique<TDataSourceCollection>(this)) {}

TBookCard::~TBookCard() = default;

}  // namespace cd
