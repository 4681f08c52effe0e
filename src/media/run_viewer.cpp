// TRunViewer: stored keys.
#include "media/run_viewer.h"

namespace cd {

const TClassInfo& TRunViewer::StaticClass() {
  static const TClassInfo info = TClassBuilder<TRunViewer>("TRunViewer", &TEItem::StaticClass())
                                     .Str("ProgId", &TRunViewer::progId_)
                                     .Str("ExePath", &TRunViewer::exePath_)
                                     .Set("Options", &TRunViewer::options_, RunOptionType())
                                     .Str("LangsTxt", &TRunViewer::langsTxt_)
                                     .Str("Lang", &TRunViewer::lang_)
                                     .Str("Langs", &TRunViewer::langs_)
                                     .Str("ShortDescr", &TRunViewer::shortDescr_)
                                     .Build();
  return info;
}

}  // namespace cd
