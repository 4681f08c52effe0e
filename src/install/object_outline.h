// TObjectOutline as the files manager sees it: a child that lets the user choose components,
// each naming the file items it needs. The outline control derives from it and supplies the
// nodes; the files manager only needs the file names the nodes carry.
#pragma once

#include "config/component.h"

namespace cd {

class TStringList;

class TObjectOutline : public TComponent {
 public:
  using TComponent::TComponent;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Adds the FileList names of every selection node of the outline to names.
  virtual void CollectFileLists(TStringList& names) const = 0;
};

}  // namespace cd
