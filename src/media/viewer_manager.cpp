// TViewerManager: class metadata (no keys of its own) and the check that every instance Id
// is unique.
#include "media/viewer_manager.h"

#include "base/exceptions.h"
#include "config/string_list.h"
#include "media/run_data.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "util/format.h"

namespace cd {

const TClassInfo& TViewerManager::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TViewerManager>("TViewerManager", &TEManager::StaticClass()).Build();
  return info;
}

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

}  // namespace cd
