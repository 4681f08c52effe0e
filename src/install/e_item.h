// TEItem, the run item of a configuration tree, and TEManager, the managing item that other
// items find by walking up their owners.
#pragma once

#include "install/component_list.h"

namespace cd {

class TEItem : public TComponentList {
 public:
  explicit TEItem(TComponent* owner);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The consistency check before a distribution is built: checks every child that is a run
  // item, in child order; kinds that add checks call this first. The first failure ends it.
  virtual void CheckConsistence();
};

class TEManager : public TEItem {
 public:
  explicit TEManager(TComponent* owner);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};

// The first TEManager on the owner chain beginning with item itself; nullptr if none.
TEManager* GetManager(TComponent* item);

}  // namespace cd
