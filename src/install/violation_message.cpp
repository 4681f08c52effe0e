// ViolationMessage: the target, then the cause in the system's words.
#include "install/violation_message.h"

namespace cd {

std::string ViolationMessage(const std::string& target, const Exception& failure) {
  std::string cause = failure.Message();
  if (target.empty()) return cause;
  // "Cannot write file \"<the target or its temporary file>\": <reason>" says only <reason>.
  const size_t named = cause.find("\": ");
  if (cause.rfind("Cannot ", 0) == 0 && named != std::string::npos) cause.erase(0, named + 3);
  return cause.empty() ? target : target + "\n" + cause;
}

}  // namespace cd
