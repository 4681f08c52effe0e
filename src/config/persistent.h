// TPersistent: the root of every storable class.
#pragma once

#include <string>

#include "config/class_info.h"

namespace cd {

class TPersistent {
 public:
  TPersistent() = default;
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;
  virtual ~TPersistent() = default;

  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassType().name; }
  bool InheritsFrom(const TClassInfo& cls) const { return ClassType().InheritsFrom(cls); }

  // Copies the state of source; fails with "Cannot assign a %s to a %s" when neither side
  // knows how.
  virtual void Assign(const TPersistent& source);
  // The object that owns this one in property paths (a collection's owner, say).
  virtual TPersistent* GetOwner() const { return nullptr; }
  // Called after the whole object tree has been read, so a class can complete its state.
  virtual void Loaded() {}

 protected:
  virtual bool AssignTo(TPersistent& dest) const;
};

}  // namespace cd
