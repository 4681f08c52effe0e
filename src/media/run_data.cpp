// TRunData: stored keys.
#include "media/run_data.h"

namespace cd {

const TClassInfo& TRunData::StaticClass() {
  static const TClassInfo info = TClassBuilder<TRunData>("TRunData", &TEItem::StaticClass())
                                     .Str("Descr", &TRunData::descr_)
                                     .Str("Path", &TRunData::path_)
                                     .Build();
  return info;
}

}  // namespace cd
