// Packing and unpacking the DOS date-time form.
#include "platform/dos_time.h"

namespace cd::os {
namespace {

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return (month == 2 && IsLeapYear(year)) ? 29 : kDays[month - 1];
}

bool FieldsValid(const DosDateTimeFields& f) {
  if (f.year < 1980 || f.year > 2107 || f.month < 1 || f.month > 12) return false;
  if (f.day < 1 || f.day > DaysInMonth(f.year, f.month)) return false;
  return f.hour >= 0 && f.hour < 24 && f.minute >= 0 && f.minute < 60 && f.second >= 0 &&
         f.second < 60;
}

}  // namespace

std::optional<int32_t> PackDosDateTime(const DosDateTimeFields& f) {
  if (!FieldsValid(f)) return std::nullopt;
  const uint32_t date = (static_cast<uint32_t>(f.year - 1980) << 9) |
                        (static_cast<uint32_t>(f.month) << 5) | static_cast<uint32_t>(f.day);
  const uint32_t time = (static_cast<uint32_t>(f.hour) << 11) |
                        (static_cast<uint32_t>(f.minute) << 5) |
                        static_cast<uint32_t>(f.second / 2);
  return static_cast<int32_t>((date << 16) | time);
}

std::optional<DosDateTimeFields> UnpackDosDateTime(int32_t packed) {
  const uint32_t value = static_cast<uint32_t>(packed);
  const uint32_t date = value >> 16;
  const uint32_t time = value & 0xFFFF;
  DosDateTimeFields f;
  f.year = static_cast<int>(date >> 9) + 1980;
  f.month = static_cast<int>((date >> 5) & 0x0F);
  f.day = static_cast<int>(date & 0x1F);
  f.hour = static_cast<int>(time >> 11);
  f.minute = static_cast<int>((time >> 5) & 0x3F);
  f.second = static_cast<int>(time & 0x1F) * 2;
  if (!FieldsValid(f)) return std::nullopt;
  return f;
}

}  // namespace cd::os
