// What the run items need of the install manager that builds a distribution from them. The
// install manager itself belongs to the runner; run items reach it through this interface.
#pragma once

#include <string>

namespace cd {

class TComponent;
class TComponentList;

class IInstallManager {
 public:
  // The install manager as the list that owns the files, file-list, viewer and media managers.
  virtual TComponentList& AsList() = 0;
  // Folder of the program files to distribute (build sources).
  virtual const std::string& SourcePrgPath() const = 0;
  // Output folder of the medium's program files.
  virtual const std::string& DestPrgPath() const = 0;
  // One step of the install manager's work loop (notifies its progress observer).
  virtual void Step() = 0;

 protected:
  ~IInstallManager() = default;
};

// The first install manager on the owner chain beginning with item's owner; nullptr when the
// chain ends without one (a files manager read directly from a run configuration).
IInstallManager* GetInstallManager(const TComponent& item);

}  // namespace cd
