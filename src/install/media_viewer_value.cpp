// TMediaViewerValue: class metadata (no keys of its own).
#include "install/media_viewer_value.h"

namespace cd {

const TClassInfo& TMediaViewerValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMediaViewerValue>("TMediaViewerValue", &TVersionValue::StaticClass()).Build();
  return info;
}

}  // namespace cd
