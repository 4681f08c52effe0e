// The root of storable classes: metadata and assignment.
#include "config/persistent.h"

#include "base/exceptions.h"
#include "util/format.h"

namespace cd {

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo i;
    i.name = "TPersistent";
    return i;
  }();
  return info;
}

void TPersistent::Assign(const TPersistent& source) {
  if (source.AssignTo(*this)) return;
  throw EConvertError(Format("Cannot assign a %s to a %s", {source.ClassName(), ClassName()}));
}

bool TPersistent::AssignTo(TPersistent&) const { return false; }

}  // namespace cd
