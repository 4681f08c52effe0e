// TCDRomManager: class metadata (no keys of its own) and the check that no two media share
// a volume label.
#include "media/cdrom_manager.h"

#include "base/exceptions.h"
#include "config/string_list.h"
#include "media/run_cdrom.h"
#include "util/format.h"

namespace cd {
namespace {

bool IsLocation(const std::string& mediumId) {
  if (mediumId.size() >= 2 && mediumId[1] == ':') return true;
  return mediumId.size() >= 7 && SameText(mediumId.substr(0, 7), "http://");
}

}  // namespace

const TClassInfo& TCDRomManager::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCDRomManager>("TCDRomManager", &TEManager::StaticClass()).Build();
  return info;
}

void TCDRomManager::CheckConsistence() {
  TEItem::CheckConsistence();
  TStringList labels;
  labels.SetSorted(true);
  for (int i = 0; i < ChildCount(); ++i) {
    auto* medium = dynamic_cast<TRunCDRom*>(Child(i));
    if (!medium || medium->AllowDuplicateMediumId() || IsLocation(medium->MediumId())) continue;
    if (labels.IndexOf(medium->MediumId()) >= 0)
      throw Exception(Format("Duplicitni Vol Lab (%s) in CD ROM \"%s\"",
                             {medium->MediumId(), medium->Descr()}));
    labels.Add(medium->MediumId());
  }
}

}  // namespace cd
