// The texts of the update decision.
#include "install/decision_reasons.h"

#include "platform/dos_time.h"
#include "util/format.h"

namespace cd {

std::string DateText(int32_t packed) {
  const std::optional<os::DosDateTimeFields> f = os::UnpackDosDateTime(packed);
  if (!f) return Format("no valid date (0x%8.8x)", {static_cast<unsigned>(packed)});
  return Format("%4.4d-%2.2d-%2.2d %2.2d:%2.2d:%2.2d",
                {f->year, f->month, f->day, f->hour, f->minute, f->second});
}

std::string VersionText(int64_t version) {
  const auto v = static_cast<uint64_t>(version);
  return Format("%d.%d.%d.%d",
                {static_cast<unsigned>(v >> 48), static_cast<unsigned>((v >> 32) & 0xFFFF),
                 static_cast<unsigned>((v >> 16) & 0xFFFF), static_cast<unsigned>(v & 0xFFFF)});
}

std::string DateReason(int32_t installed, int32_t medium) {
  if (installed == -1) return "missing on disk (or held open by another program)";
  if (installed < 1) return "the installed file has no valid date";
  if (installed < medium)
    return Format("medium date %s newer than installed %s",
                  {DateText(medium), DateText(installed)});
  if (medium == 0) return "no date recorded on the medium: only a missing file is replaced";
  if (installed == medium) return Format("same date %s", {DateText(medium)});
  return Format("installed date %s newer than medium %s", {DateText(installed), DateText(medium)});
}

std::string VersionReason(int64_t installed, int64_t medium) {
  if (medium > installed)
    return Format("version %s newer than installed %s",
                  {VersionText(medium), VersionText(installed)});
  return Format("installed version %s newer than medium %s: kept whatever its date",
                {VersionText(installed), VersionText(medium)});
}

}  // namespace cd
