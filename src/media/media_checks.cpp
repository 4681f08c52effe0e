// Consistency checks of viewers and media before a distribution is built.
#include "base/exceptions.h"
#include "config/string_list.h"
#include "install/file_list_append.h"
#include "install/file_list_manager.h"
#include "install/files_manager.h"
#include "install/install_manager_link.h"
#include "media/cdrom_manager.h"
#include "media/instance_lookup.h"
#include "media/run_cdrom.h"
#include "media/run_data.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "media/viewer_manager.h"
#include "util/format.h"

namespace cd {
namespace {

bool IsLocation(const std::string& mediumId) {
  if (mediumId.size() >= 2 && mediumId[1] == ':') return true;
  return mediumId.size() >= 7 && SameText(mediumId.substr(0, 7), "http://");
}

IInstallManager& RequireInstallManager(const TComponent& item, const char* caller) {
  IInstallManager* manager = GetInstallManager(item);
  if (!manager) throw Exception(Format("%s: Missing install manager", {caller}));
  return *manager;
}

}  // namespace

void TViewerManager::CheckConsistence() {
  TEItem::CheckConsistence();
  TStringList ids;
  ids.SetSorted(true);
  for (int v = 0; v < ChildCount(); ++v) {
    auto* viewer = dynamic_cast<TRunViewer*>(Child(v));
    if (!viewer) throw EInvalidCast();
    for (int d = 0; d < viewer->ChildCount(); ++d) {
      auto* data = dynamic_cast<TRunData*>(viewer->Child(d));
      if (!data) throw EInvalidCast();
      for (int i = 0; i < data->ChildCount(); ++i) {
        auto* instance = dynamic_cast<TRunDataInstance*>(data->Child(i));
        if (!instance) throw EInvalidCast();
        const std::string id = std::to_string(instance->Id());
        if (ids.IndexOf(id) >= 0) throw Exception(Format("Duplicitni Id (%d)", {instance->Id()}));
        ids.Add(id);
      }
    }
  }
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

}  // namespace cd
