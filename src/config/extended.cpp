// 80-bit extended precision (the binary form's float code 5) from and to the host's long double.
#include "config/extended.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace cd {

// Layout: 64-bit significand with an explicit integer bit, then 15-bit exponent (bias 16383)
// and the sign bit. Built from frexp so that it does not depend on the host's long double.
void DoubleToExtended(long double v, uint8_t out[10]) {
  uint64_t mantissa = 0;
  uint16_t signExp = 0;
  if (std::signbit(v)) signExp = 0x8000;
  if (std::isnan(v)) {
    signExp |= 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(v)) {
    signExp |= 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (v != 0) {
    int exp = 0;
    const long double frac = std::frexp(std::fabs(v), &exp);  // frac in [0.5, 1)
    int biased = exp - 1 + 16383;
    mantissa = static_cast<uint64_t>(std::ldexp(frac, 64));
    if (biased <= 0) {  // denormal in the extended format
      const int shift = 1 - biased;
      mantissa = shift >= 64 ? 0 : mantissa >> shift;
      biased = 0;
    }
    signExp |= static_cast<uint16_t>(biased);
  }
  std::memcpy(out, &mantissa, 8);
  std::memcpy(out + 8, &signExp, 2);
}

long double ExtendedToDouble(const uint8_t in[10]) {
  uint64_t mantissa;
  uint16_t signExp;
  std::memcpy(&mantissa, in, 8);
  std::memcpy(&signExp, in + 8, 2);
  const bool negative = (signExp & 0x8000) != 0;
  const int exp = signExp & 0x7FFF;
  long double v;
  if (exp == 0x7FFF) {
    v = (mantissa << 1) == 0 ? std::numeric_limits<long double>::infinity()
                             : std::numeric_limits<long double>::quiet_NaN();
  } else {
    // value = mantissa * 2^(exp - 16383 - 63); a zero exponent stands for 1 - 16383.
    const int e = (exp == 0 ? 1 : exp) - 16383 - 63;
    v = std::ldexp(static_cast<long double>(mantissa), e);
  }
  return negative ? -v : v;
}

}  // namespace cd
