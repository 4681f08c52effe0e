// TDatumValue: stored keys and the readable form of the recorded time.
#include "install/datum_value.h"

#include "platform/dos_time.h"
#include "util/format.h"

namespace cd {

const TClassInfo& TDatumValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDatumValue>("TDatumValue", &TFileItem::StaticClass())
          .Str("TimeAsText", [](const TDatumValue& v) { return v.TimeAsText(); },
               [](TDatumValue&, const std::string&) {})
          .Int("Time", &TDatumValue::time_, 0)
          .Bool("IgnoreUserInstallError", &TDatumValue::ignoreUserInstallError_, false)
          .Build();
  return info;
}

std::string TDatumValue::TimeAsText() const {
  if (time_ == 0) return {};
  std::optional<os::DosDateTimeFields> f = os::UnpackDosDateTime(time_);
  if (!f) return {};
  return Format("%2.2d/%2.2d/%4.4d %2.2d:%2.2d:%2.2d",
                {f->day, f->month, f->year, f->hour, f->minute, f->second});
}

}  // namespace cd
