// Whether a name is a web address: it begins with "http://" or "https://" in any letter case.
#pragma once

#include <string_view>

namespace cd {

bool IsWebAddress(std::string_view name);

}  // namespace cd
