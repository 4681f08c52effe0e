// TBookCard: stored keys and the lists it owns.
#include "library/book_card.h"

#include "config/config_io.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "streams/memory_stream.h"
#include "util/file_properties.h"
#include "util/whole_file.h"

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

std::unique_ptr<TBookCard> TBookCard::CreateFromFile(const std::string& fileName) {
  auto card = std::make_unique<TBookCard>(nullptr);
  TMemoryStream text(FileToString(fileName));
  ReadObject(text, *card);
  card->SetFileName(fileName);
  return card;
}

void TBookCard::Save() const {
  const bool existed = os::FileExists(fileName_);
  const int32_t date = existed ? GetFileDate(fileName_) : 0;
  StringToFile(ObjectToString(this), fileName_);
  if (existed) SetFileDate(fileName_, date);
}

std::string TBookCard::FileNameByKind(int kind) const {
  if (kind == 0) return fileName_;
  if (kind != 1) return "";
  const std::string name = os::ExtractFileName(os::ExcludeTrailingBackslash(fileName_));
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return name + ".";
  std::string extension = name.substr(dot + 1, 255);
  for (char& c : extension)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  if (!extension.empty()) extension[0] = static_cast<char>(extension[0] - 17);
  return name.substr(0, dot) + "." + extension;
}

}  // namespace cd
