// TSetupTotals: the 64-bit byte counts of an update and their saturated 32-bit fields.
#include "install/setup_totals.h"

#include "util/saturate.h"

namespace cd {

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
