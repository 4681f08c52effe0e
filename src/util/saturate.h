// Saturate32: a 64-bit count narrowed to a signed 32-bit field without wrapping.
#pragma once

#include <cstdint>

namespace cd {

// A 64-bit count held in a signed 32-bit field: the nearest value the field can hold.
int32_t Saturate32(int64_t value);

}  // namespace cd
