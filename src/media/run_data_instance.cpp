// TRunDataInstance: stored keys.
#include "media/run_data_instance.h"

namespace cd {

const TClassInfo& TRunDataInstance::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRunDataInstance>("TRunDataInstance", &TEItem::StaticClass())
          .Int("Id", &TRunDataInstance::id_)
          .Str("LangsTxt", &TRunDataInstance::langsTxt_)
          .Str("Lang", &TRunDataInstance::lang_)
          .Str("Langs", &TRunDataInstance::langs_)
          .Str("Path", &TRunDataInstance::path_)
          .Build();
  return info;
}

}  // namespace cd
