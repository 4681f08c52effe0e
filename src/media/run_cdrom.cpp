// TRunCDRom: stored keys and the lists and run data it owns; the expansion of its files and
// its consistency check; at build time, the library card of each instance and the application
// entries.
#include "media/run_cdrom.h"

#include "base/exceptions.h"
#include "config/collection.h"
#include "config/string_list.h"
#include "install/file_list_append.h"
#include "install/file_list_manager.h"
#include "install/files_manager.h"
#include "install/install_manager_link.h"
#include "install/viewer_item.h"
#include "library/book_card.h"
#include "media/instance_lookup.h"
#include "media/run_data.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "media/viewer_manager.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "util/format.h"
#include "util/whole_file.h"

namespace cd {
namespace {

IInstallManager& RequireInstallManager(const TComponent& item, const char* caller) {
  IInstallManager* manager = GetInstallManager(item);
  if (!manager) throw Exception(Format("%s: Missing install manager", {caller}));
  return *manager;
}

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

void TRunCDRom::ExpandFiles(TStringList& names) const {
  IInstallManager& installManager = RequireInstallManager(*this, "TRunCDRom.ExpandFiles");
  auto* lists = GetOrCreateObjectAs<TFileListManager>(installManager.AsList());
  AppendFor(*lists, Descr(), Files(), names);
}

void TRunCDRom::CheckConsistence() {
  TEItem::CheckConsistence();
  IInstallManager& installManager = RequireInstallManager(*this, "TRunCDRom.CheckConsistence");
  TViewerManager& viewers = ViewerManagerOf(installManager);
  for (int i = 0; i < Instances().Count(); ++i) {
    const int32_t id = Instances().Items(i);
    if (!FindInstance(viewers, id))
      throw Exception(Format("Instance with Id=%d in CD ROM \"%s\" does not exist", {id, Descr()}));
  }
  TStringList names;
  names.SetSorted(true);
  ExpandFiles(names);
  GetOrCreateObjectAs<TFilesManager>(installManager.AsList())->CheckList(names);
}

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
    os::ForceDirectories(langsFile.substr(0, langsFile.rfind('\\') + 1));
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
