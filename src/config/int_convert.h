// Decimal and hexadecimal text to a signed 32-bit integer, as stored lists and set texts use it.
#pragma once

#include <cstdint>
#include <string_view>

namespace cd {

// Accepts leading blanks, an optional sign, decimal digits or "$"/"0x" and hexadecimal
// digits; fails with EConvertError "'%s' is not a valid integer value" otherwise or when
// the value does not fit 32 bits.
int32_t StrToInt(std::string_view text);

}  // namespace cd
