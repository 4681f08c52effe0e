// TRunCDRom at build time: the library card of each instance and the application entries.
#include "base/exceptions.h"
#include "config/collection.h"
#include "install/install_manager_link.h"
#include "install/viewer_item.h"
#include "library/book_card.h"
#include "media/instance_lookup.h"
#include "media/run_cdrom.h"
#include "media/run_data.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "media/viewer_manager.h"
#include "platform/drive_map.h"
#include "platform/paths.h"
#include "util/directories.h"
#include "util/format.h"
#include "util/whole_file.h"

namespace cd {
namespace {

// The languages file lies at the root of the drive that holds the sources. A SourcePrgPath
// without a drive is relative to the current folder and so lies on that folder's drive.
std::string SourceDriveRoot(const std::string& sourcePrgPath) {
  const std::string source = os::IsDrivePath(sourcePrgPath) ? sourcePrgPath : os::WindowsPath(".");
  return source.substr(0, 2) + "\\";
}

const std::string& Either(const std::string& preferred, const std::string& fallback) {
  return preferred.empty() ? fallback : preferred;
}

IInstallManager& RequireInstallManager(const TComponent& item) {
  IInstallManager* manager = GetInstallManager(item);
  if (!manager) throw Exception("TRunCDRom.CreateBookCard: Missing install manager");
  return *manager;
}

}  // namespace

std::unique_ptr<TBookCard> TRunCDRom::CreateBookCard(int index, std::string& fileName) const {
  IInstallManager& installManager = RequireInstallManager(*this);
  const int32_t id = Instances().Items(index);
  TRunDataInstance* instance = FindInstance(ViewerManagerOf(installManager), id);
  if (!instance)
    throw Exception(Format("Instance with Id=%d in CD ROM \"%s\" does not exist", {id, Descr()}));
  const TRunData& data = DataOf(*instance);
  const TRunViewer& viewer = ViewerOf(data);

  auto card = std::make_unique<TBookCard>(nullptr);
  if (instance->IsPlayerInstance()) {
    card->SetName(data.Name());
    const std::string& langsText = Either(PgtLangsTxt(), viewer.LangsTxt());
    if (langsText.empty()) throw Exception("TRunCDRom.CreateBookCard: Missing LangsTxt at Pagent");
    card->SetLastLanguages(Either(PgtLangs(), viewer.Langs()));
    card->SetLanguage(Either(PgtLang(), viewer.Lang()));
    const std::string langsFile =
        SourceDriveRoot(installManager.SourcePrgPath()) + "data\\disk\\VokMnger\\Langs.txt";
    ForceDirectories(langsFile.substr(0, langsFile.rfind('\\') + 1));
    StringToFile(langsText, langsFile);
    card->SetViewerName(viewer.ShortDescr());
    card->SetTitleDescr(data.Descr());
  } else {
    card->SetName(Format("%s_A%d", {data.Name(), id}));
    card->SetDescription(Descr());
    card->SetTitleDescr(data.Descr());
    card->SetViewer(viewer.ProgId());
    card->SetMediumId(MediumId());
    card->SetMediumPath(data.Path());
    card->SetViewerName(viewer.ShortDescr());
    card->SetLastLanguages(Either(instance->Langs(), viewer.Langs()));
    card->SetLanguage(Either(instance->Lang(), viewer.Lang()));
  }
  card->SetTitleName(data.Name());
  fileName = Format("_Editpla.a%2.2d", {id});
  return card;
}

void TRunCDRom::AddViewerItems(TCollection& viewers) const {
  TViewerManager& viewerManager = ViewerManagerOf(RequireInstallManager(*this));
  for (int i = 0; i < Instances().Count(); ++i) {
    const int32_t id = Instances().Items(i);
    TRunDataInstance* instance = FindInstance(viewerManager, id);
    if (!instance || instance->IsPlayerInstance()) continue;
    const TRunData& data = DataOf(*instance);
    auto* entry = static_cast<TViewerItem*>(viewers.Add());
    entry->SetExe(ViewerOf(data).ExePath());
    entry->SetDataName(Format("%s_A%d", {data.Name(), id}));
    entry->SetDescr(data.Descr());
  }
}

}  // namespace cd
