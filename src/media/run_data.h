// TRunData: one data set shown by a viewer; its children are its instances
// (TRunDataInstance). Its component name forms the data names of its instances.
#pragma once

#include <string>

#include "install/e_item.h"

namespace cd {

class TRunData : public TEItem {
 public:
  explicit TRunData(TComponent* owner) : TEItem(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Title of the data set.
  const std::string& Descr() const { return descr_; }
  void SetDescr(const std::string& v) { descr_ = v; }
  // Path of the data on the medium.
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& v) { path_ = v; }

 private:
  std::string descr_;
  std::string path_;
};

}  // namespace cd
