// The enumerations and sets of the outline control's stored keys.
#pragma once

#include "config/prop_info.h"

namespace cd {

// Options: draw lines up to the root, draw the focus rectangle, stretch the row pictures.
enum class TOutlineOption { ooDrawTreeRoot, ooDrawFocusRect, ooStretchBitmaps };
// OutlineStyles: hover tracking, expanding on click, hints for nodes too long for the row.
enum class TOutlineStyle { os_MouseMoveSensitive, os_ExpandOnClick, os_LongNodeHint };
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TBorderStyle { bsNone, bsSingle };
// The scroll bars a control shows.
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

const TEnumTypeInfo& OutlineOptionType();
const TEnumTypeInfo& OutlineStyleType();
const TEnumTypeInfo& AlignType();
const TEnumTypeInfo& BorderStyleType();

}  // namespace cd
