// TRunCDRom: stored keys and the lists and run data it owns.
#include "media/run_cdrom.h"

namespace cd {

const TClassInfo& TRunCDRom::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRunCDRom>("TRunCDRom", &TEItem::StaticClass())
          .Str("MediumId", &TRunCDRom::mediumId_)
          .Str("Descr", &TRunCDRom::descr_)
          .Object("Instances", [](TRunCDRom& c) { return c.instances_.get(); })
          .Object("Files", [](TRunCDRom& c) { return c.files_.get(); })
          .Str("PrgSubPath", &TRunCDRom::prgSubPath_)
          .Object("RunData", [](TRunCDRom& c) { return c.runData_.get(); })
          .Str("PgtLangsTxt", &TRunCDRom::pgtLangsTxt_)
          .Str("PgtLang", &TRunCDRom::pgtLang_)
          .Str("PgtLangs", &TRunCDRom::pgtLangs_)
          .Str("PrgPrefixPath", &TRunCDRom::prgPrefixPath_)
          .Str("DestPrgPath", &TRunCDRom::destPrgPath_)
          .Str("ConfigFileName", &TRunCDRom::configFileName_)
          .Bool("AllowDuplicateMediumId", &TRunCDRom::allowDuplicateMediumId_)
          .Build();
  return info;
}

TRunCDRom::TRunCDRom(TComponent* owner)
    : TEItem(owner),
      instances_(std::make_unique<TIntegerList>()),
      files_(std::make_unique<TStringList>()),
      runData_(std::make_unique<TFilesManagerRunData>(this)) {
  runData_->SetInstallLang("EN");
}

TRunCDRom::~TRunCDRom() = default;

}  // namespace cd
