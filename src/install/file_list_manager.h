// TFileListManager: the managing item that holds the named file lists (TFileList children).
#pragma once

#include "install/e_item.h"

namespace cd {

class TFileListManager : public TEManager {
 public:
  explicit TFileListManager(TComponent* owner) : TEManager(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};

}  // namespace cd
