// TRecordedRegistration: one registration an install made, in the order it was made: a
// library's DllRegisterServer or a program run with "-regserver".
#pragma once

#include <string>

#include "config/collection_item.h"

namespace cd {

class TRecordedRegistration : public TCollectionItem {
 public:
  explicit TRecordedRegistration(TCollection* collection) : TCollectionItem(collection) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The full Windows name of the library or program.
  const std::string& Name() const { return name_; }
  void SetName(const std::string& v) { name_ = v; }
  // True for a library (DllRegisterServer), false for a program ("-regserver").
  bool Library() const { return library_; }
  void SetLibrary(bool v) { library_ = v; }

 private:
  std::string name_;
  bool library_ = false;
};

}  // namespace cd
