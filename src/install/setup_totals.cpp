// TSetupTotals: the 64-bit byte counts of an update and their saturated 32-bit fields.
#include <cstdint>
#include <limits>

#include "install/setup_callback.h"

namespace cd {

int32_t Saturate32(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

void TSetupTotals::SetTotal(int64_t bytes) {
  TotalBytes = bytes;
  Total = Saturate32(bytes);
}

void TSetupTotals::SetDone(int64_t bytes) {
  DoneBytes = bytes;
  Done = Saturate32(bytes);
}

void TSetupTotals::SetCurrent(int64_t bytes) {
  CurrentBytes = bytes;
  Current = Saturate32(bytes);
}

}  // namespace cd
