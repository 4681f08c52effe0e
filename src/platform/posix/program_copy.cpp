// A running program's file can be deleted on POSIX: no run needs a temporary copy.
#include "platform/program_copy.h"

namespace cd::os {

bool RunningProgramCanBeDeleted() {
  return true;
}

std::optional<uint32_t> RunTemporaryCopy(const std::string&, std::string* error) {
  if (error) *error = "a temporary copy of the program is not needed on this system";
  return std::nullopt;
}

bool HandBackExitCode(const std::string&, uint32_t, int) {
  return false;
}

bool DeleteProgramFileAtRestart() {
  return false;
}

}  // namespace cd::os
