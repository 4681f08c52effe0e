// The message of a file that cannot be installed: the target's full name, and on a second
// line the cause the system reported (disk full, access denied, read-only, in use, ...).
#pragma once

#include <string>

#include "base/exceptions.h"

namespace cd {

// "<target>\n<cause>". The cause is failure's message without a leading part that names a
// file again ("Cannot write file \"<name>\": "); the target alone when the message is empty;
// failure's message alone when the target is not known yet.
std::string ViolationMessage(const std::string& target, const Exception& failure);

}  // namespace cd
