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

  // Build time: each member records its source; the group file is written with every
  // member's contents embedded (made on up to jobs threads), packed as a whole unless
  // fg_GroupNotCompress is set.
  void StoreFileInfo() override;
  void PackFile(unsigned jobs) override;
  // Phase 0 reads the group file from the medium, installing every member while it is read;
  // phases 1 and 2 go to the members of the configuration.
  void DoUserInstall(TInstallPhase phase) override;
};

}  // namespace cd
