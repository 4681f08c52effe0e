// TCollectionItem: one item object of a collection, which owns it.
#pragma once

#include "config/persistent.h"

namespace cd {

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TCollection* Collection() const { return collection_; }
  int Index() const;
  TPersistent* GetOwner() const override;

 private:
  friend class TCollection;
  TCollection* collection_;
};

}  // namespace cd
