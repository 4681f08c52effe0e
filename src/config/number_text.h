// Numbers of object text in both directions, independent of the C locale: the decimal
// point is always ".".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cd {

// Decimal with optional "-", or "$" and hexadecimal digits (a 32-bit pattern, so $FFFFFFFF
// is -1). False when the text is not such a number or does not fit in 32 bits.
bool ParseInt32(std::string_view text, int32_t& value);

// A decimal float ("1.5", "-2e10", "3."); false when it does not convert or overflows.
bool ParseFloat(std::string_view text, long double& value);

// A count of ten-thousandths: exact for integer text, rounded for float text.
bool ParseCurrency(std::string_view text, int64_t& value);

// General format with up to 15 significant digits: fixed notation for magnitudes from
// 1E-5 below 1E15, scientific ("1.5E20", "1E-7") otherwise. A finite value is required.
std::string FormatFloat(long double value);

}  // namespace cd
