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
inline constexpr int32_t kClBtnFace = static_cast<int32_t>(0x8000000F);
inline constexpr int32_t kClBtnText = static_cast<int32_t>(0x80000012);
// No colour at all: a form of this colour leaves its background unpainted.
inline constexpr int32_t kClNone = 0x1FFFFFFF;

// "clBlack" .. "clWhite", the system colours "clScrollBar" .. "clInfoBk" and "clNone"; letter
// case is ignored when reading.
const TIdentMapping& ColorIdents();

}  // namespace cd
