// The class of the stand-in player and the ProgID it is registered under.
#pragma once

#include <guiddef.h>

namespace cd::test {

inline constexpr char kStandInProgId[] = "pgt2.Pagenter";
inline constexpr char kStandInClsidText[] = "{C3D1A7E2-5B64-4F0E-9A31-7E2B9C4D8F10}";
inline constexpr CLSID kStandInClsid = {
    0xC3D1A7E2, 0x5B64, 0x4F0E, {0x9A, 0x31, 0x7E, 0x2B, 0x9C, 0x4D, 0x8F, 0x10}};

}  // namespace cd::test
