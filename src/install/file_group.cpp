// TFileGroup: class metadata (no keys of its own).
#include "install/file_group.h"

namespace cd {

const TClassInfo& TFileGroup::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFileGroup>("TFileGroup", &TFileItem::StaticClass()).Build();
  return info;
}

}  // namespace cd
