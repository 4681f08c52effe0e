// The text style of a node: a set of fsBold, fsItalic, fsUnderline, fsStrikeOut, stored as one
// byte with bit 0 to bit 3 in that order.
#pragma once

#include <cstdint>

#include "config/prop_info.h"

namespace cd {

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

inline constexpr uint32_t kFontStyleMask = 0x0F;

const TEnumTypeInfo& FontStyleType();

}  // namespace cd
