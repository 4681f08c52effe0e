// The packed DOS date-time (high word date, low word time, two-second steps) and its fields.
// Portable: the POSIX layer packs local broken-down times with it; tests use it on both.
#pragma once

#include <cstdint>
#include <optional>

namespace cd::os {

struct DosDateTimeFields {
  int year = 1980;  // 1980..2107
  int month = 1;    // 1..12
  int day = 1;      // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;  // rounded down to an even number when packed
};

// The packed value, or nothing when a field lies outside what the DOS form can hold.
std::optional<int32_t> PackDosDateTime(const DosDateTimeFields& fields);
// The fields of a packed value, or nothing when they do not form a valid date and time.
std::optional<DosDateTimeFields> UnpackDosDateTime(int32_t packed);

}  // namespace cd::os
