// TEManager, the managing item that other items find by walking up their owners.
#pragma once

#include "install/e_item.h"

namespace cd {

class TEManager : public TEItem {
 public:
  explicit TEManager(TComponent* owner);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};

// The first TEManager on the owner chain beginning with item itself; nullptr if none.
TEManager* GetManager(TComponent* item);

}  // namespace cd
