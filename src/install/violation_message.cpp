// ViolationMessage: the target, then the cause in the system's words.
#include "install/violation_message.h"

namespace cd {

std::string ViolationMessage(const std::string& target, const Exception& failure) {
  std::string cause = failure.Message();
  if (target.empty()) return cause;
  const std::string named = "\"" + target + "\": ";
  const size_t at = cause.find(named);
  if (at != std::string::npos) cause.erase(0, at + named.size());
  return cause.empty() ? target : target + "\n" + cause;
}

}  // namespace cd
