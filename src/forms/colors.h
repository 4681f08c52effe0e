// Colours of forms and controls: an RGB value, or a system colour (0x80000000 plus the
// system colour index), stored by name where one exists ("clBtnFace").
#pragma once

#include <cstdint>

#include "config/prop_info.h"

namespace cd {

inline constexpr int32_t clBlack = 0x000000;
inline constexpr int32_t clWhite = 0xFFFFFF;
inline constexpr int32_t clBtnFace = static_cast<int32_t>(0x8000000F);
inline constexpr int32_t clWindow = static_cast<int32_t>(0x80000005);
inline constexpr int32_t clWindowText = static_cast<int32_t>(0x80000008);
inline constexpr int32_t clBtnText = static_cast<int32_t>(0x80000012);
// No colour at all: a form of this colour leaves its background unpainted.
inline constexpr int32_t clNone = 0x1FFFFFFF;

// The names of the colours above, both ways, letter case ignored when reading.
const TIdentMapping& ColorIdents();

}  // namespace cd
