// Walks of the viewer, data set and instance tree.
#include "media/instance_lookup.h"

#include "base/exceptions.h"
#include "install/install_manager_link.h"
#include "media/run_data.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "media/viewer_manager.h"

namespace cd {
namespace {

template <class T>
T& As(TComponent* object) {
  auto* typed = dynamic_cast<T*>(object);
  if (!typed) throw EInvalidCast();
  return *typed;
}

}  // namespace

TRunDataInstance* FindInstance(const TViewerManager& viewers, int32_t id) {
  for (int v = 0; v < viewers.ChildCount(); ++v) {
    auto& viewer = As<TRunViewer>(viewers.Child(v));
    for (int d = 0; d < viewer.ChildCount(); ++d) {
      auto& data = As<TRunData>(viewer.Child(d));
      for (int i = 0; i < data.ChildCount(); ++i) {
        auto& instance = As<TRunDataInstance>(data.Child(i));
        if (instance.Id() == id) return &instance;
      }
    }
  }
  return nullptr;
}

TRunData& DataOf(const TRunDataInstance& instance) { return As<TRunData>(instance.Owner()); }

TRunViewer& ViewerOf(const TRunData& data) { return As<TRunViewer>(data.Owner()); }

TViewerManager& ViewerManagerOf(IInstallManager& installManager) {
  return *GetOrCreateObjectAs<TViewerManager>(installManager.AsList());
}

}  // namespace cd
