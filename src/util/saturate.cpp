// Saturate32: the nearest value a signed 32-bit field can hold.
#include "util/saturate.h"

#include <limits>

namespace cd {

int32_t Saturate32(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

}  // namespace cd
