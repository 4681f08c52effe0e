// The keys, shift states and mouse buttons the outline control handles, with the values of
// the Windows virtual keys so that a view passes them on unchanged.
#pragma once

#include <cstdint>

namespace cd {

inline constexpr uint16_t kKeyReturn = 0x0D;
inline constexpr uint16_t kKeyPrior = 0x21;
inline constexpr uint16_t kKeyNext = 0x22;
inline constexpr uint16_t kKeyEnd = 0x23;
inline constexpr uint16_t kKeyHome = 0x24;
inline constexpr uint16_t kKeyLeft = 0x25;
inline constexpr uint16_t kKeyUp = 0x26;
inline constexpr uint16_t kKeyRight = 0x27;
inline constexpr uint16_t kKeyDown = 0x28;
inline constexpr uint16_t kKeyMultiply = 0x6A;

// Shift state bits.
inline constexpr uint32_t kShiftKey = 1u << 0;
inline constexpr uint32_t kAltKey = 1u << 1;
inline constexpr uint32_t kCtrlKey = 1u << 2;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

}  // namespace cd
