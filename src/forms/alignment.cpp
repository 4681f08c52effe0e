// The alignment names and their view counterparts.
#include "forms/alignment.h"

namespace cd {

const TEnumTypeInfo& AlignmentType() {
  static const TEnumTypeInfo type{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
  return type;
}

os::TextAlignment ViewAlignment(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify:
      return os::TextAlignment::Right;
    case TAlignment::taCenter:
      return os::TextAlignment::Center;
    case TAlignment::taLeftJustify:
      break;
  }
  return os::TextAlignment::Left;
}

}  // namespace cd
