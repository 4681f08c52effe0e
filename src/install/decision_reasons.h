// Why a file item was found out of date or current, in words and figures, for the install
// log and the dry run's plan. Dates are the packed file-system form that items record.
#pragma once

#include <cstdint>
#include <string>

namespace cd {

// A packed date as "YYYY-MM-DD hh:mm:ss"; "no valid date (0x...)" for one that is not.
std::string DateText(int32_t packed);
// A 64-bit file version as "a.b.c.d".
std::string VersionText(int64_t version);

// The date rule: installed is the date read from the target (-1 when it cannot be opened),
// medium the date recorded on the medium. Follows the rule's order: missing, no valid date,
// older than the medium, then why it is kept.
std::string DateReason(int32_t installed, int32_t medium);
// The version rule between two different versions (equal versions fall to the date rule).
std::string VersionReason(int64_t installed, int64_t medium);

}  // namespace cd
