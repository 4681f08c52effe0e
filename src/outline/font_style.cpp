// The element names of the font style set.
#include "outline/font_style.h"

namespace cd {

const TEnumTypeInfo& FontStyleType() {
  static const TEnumTypeInfo type{"TFontStyle",
                                  {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
  return type;
}

}  // namespace cd
