// The element names of the outline control's enumerations.
#include "outline/outline_options.h"

namespace cd {

const TEnumTypeInfo& OutlineOptionType() {
  static const TEnumTypeInfo type{"TOutlineOption",
                                  {"ooDrawTreeRoot", "ooDrawFocusRect", "ooStretchBitmaps"}};
  return type;
}

const TEnumTypeInfo& OutlineStyleType() {
  static const TEnumTypeInfo type{"TOutlineStyle",
                                  {"os_MouseMoveSensitive", "os_ExpandOnClick", "os_LongNodeHint"}};
  return type;
}

const TEnumTypeInfo& AlignType() {
  static const TEnumTypeInfo type{"TAlign",
                                  {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
  return type;
}

const TEnumTypeInfo& BorderStyleType() {
  static const TEnumTypeInfo type{"TBorderStyle", {"bsNone", "bsSingle"}};
  return type;
}

}  // namespace cd
