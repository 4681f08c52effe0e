// TFileList: stored keys.
#include "install/file_list.h"

namespace cd {

const TClassInfo& TFileList::StaticClass() {
  static const TClassInfo info = TClassBuilder<TFileList>("TFileList", &TEItem::StaticClass())
                                     .Object("Files", [](TFileList& l) { return l.files_.get(); })
                                     .Build();
  return info;
}

TFileList::TFileList(TComponent* owner) : TEItem(owner), files_(std::make_unique<TStringList>()) {}

TFileList::~TFileList() = default;

}  // namespace cd
