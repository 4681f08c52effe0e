// TFileListManager: the managing item that holds the named file lists (TFileList children).
#pragma once

#include <string_view>

#include "install/e_manager.h"

namespace cd {

class TFileList;

class TFileListManager : public TEManager {
 public:
  explicit TFileListManager(TComponent* owner) : TEManager(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The child list named name without regard to letter case; nullptr when none.
  TFileList* FindList(std::string_view name) const;
  // Every list expanded, then every name checked against the install manager's files manager.
  void CheckConsistence() override;
};

}  // namespace cd
