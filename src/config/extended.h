// The 80-bit extended precision of the binary form, converted without the host's long double.
#pragma once

#include <cstdint>

namespace cd {

// 80-bit extended precision from and to 10 little-endian bytes, independent of the host's
// long double.
void DoubleToExtended(long double v, uint8_t out[10]);
long double ExtendedToDouble(const uint8_t in[10]);

}  // namespace cd
