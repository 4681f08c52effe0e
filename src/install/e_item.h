// TEItem, the run item of a configuration tree.
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

}  // namespace cd
