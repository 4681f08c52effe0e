// TEnumTypeInfo and TPropInfo: the name look-up of an enumeration and whether a property can
// be set.
#include "config/prop_info.h"

#include "config/component.h"

namespace cd {

int TEnumTypeInfo::IndexOf(std::string_view text) const {
  for (size_t i = 0; i < names.size(); ++i)
    if (SameText(names[i], text)) return static_cast<int>(i);
  return -1;
}

bool TPropInfo::ReadOnly() const {
  switch (kind) {
    case TPropKind::Integer:
    case TPropKind::Enum:
    case TPropKind::Set:
      return !setOrd;
    case TPropKind::Float:
      return !setFloat;
    case TPropKind::String:
      return !setStr;
    case TPropKind::WideString:
      return !setWStr;
    case TPropKind::Object:
    case TPropKind::Collection:
      return false;
    case TPropKind::Reference:
      return !setRef;
    case TPropKind::Event:
      return !setEvent;
  }
  return true;
}

}  // namespace cd
