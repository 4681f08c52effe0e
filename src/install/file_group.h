// TFileGroup: several files carried in one group file on the medium; its keys describe the
// group file, its members (comparing file items) the files inside it.
#pragma once

#include "install/file_item.h"

namespace cd {

class TFileGroup : public TFileItem {
 public:
  using TFileItem::TFileItem;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};

}  // namespace cd
