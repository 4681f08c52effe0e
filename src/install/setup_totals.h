// TSetupTotals: the byte counts of one update, in 64 bits and in saturated 32-bit fields.
#pragma once

#include <cstdint>

namespace cd {

// Byte counts of one update: all bytes to copy, bytes of the finished files, bytes copied so
// far of the file in progress. The three 32-bit fields come first and keep their order for
// whoever reads the record; an update may pass 2 GB, so each is kept in 64 bits as well and
// the 32-bit field holds it saturated. Change them through the setters, which keep both.
struct TSetupTotals {
  int32_t Total = 0;
  int32_t Done = 0;
  int32_t Current = 0;
  int64_t TotalBytes = 0;
  int64_t DoneBytes = 0;
  int64_t CurrentBytes = 0;

  void SetTotal(int64_t bytes);
  void SetDone(int64_t bytes);
  void SetCurrent(int64_t bytes);
};

}  // namespace cd
