// TViewerItem: one application entry of a run configuration (the files manager's Viewers),
// the program to start, its data name and its title.
#pragma once

#include <string>

#include "config/collection_item.h"

namespace cd {

class TViewerItem : public TCollectionItem {
 public:
  explicit TViewerItem(TCollection* collection) : TCollectionItem(collection) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Program relative to "Vok\" under the Windows directory; an empty Exe is never offered.
  const std::string& Exe() const { return exe_; }
  void SetExe(const std::string& v) { exe_ = v; }
  const std::string& DataName() const { return dataName_; }
  void SetDataName(const std::string& v) { dataName_ = v; }
  // Title of the application (a multilingual string).
  const std::string& Descr() const { return descr_; }
  void SetDescr(const std::string& v) { descr_ = v; }

 private:
  std::string exe_;
  std::string dataName_;
  std::string descr_;
};

}  // namespace cd
