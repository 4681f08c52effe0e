// TViewerManager: the managing item that holds the viewers (TRunViewer children) of an installation
// description.
#pragma once

#include "install/e_manager.h"

namespace cd {

class TViewerManager : public TEManager {
 public:
  explicit TViewerManager(TComponent* owner) : TEManager(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The children's checks, then every instance Id must be unique: "Duplicitni Id (%d)".
  void CheckConsistence() override;
};

}  // namespace cd
