// Colours as stored keys hold them: an RGB value (red in the low byte), or a system colour
// as 0x80000000 plus the system's colour index. Written by name where one exists.
#pragma once

#include <cstdint>

#include "config/prop_info.h"

namespace cd {

inline constexpr int32_t kClBlack = 0x000000;
inline constexpr int32_t kClWhite = 0xFFFFFF;
inline constexpr int32_t kClWindow = static_cast<int32_t>(0x80000005);
inline constexpr int32_t kClWindowText = static_cast<int32_t>(0x80000008);
inline constexpr int32_t kClHighlight = static_cast<int32_t>(0x8000000D);
inline constexpr int32_t kClHighlightText = static_cast<int32_t>(0x8000000E);

// "clBlack" .. "clWhite" and the system colours "clScrollBar" .. "clInfoBk".
const TIdentMapping& ColorIdents();

}  // namespace cd
