// The system's texts (windows-1250 bytes) as UTF-8, for output that other programs read
// (JSON, web pages). A byte that cannot be converted becomes "?".
#pragma once

#include <string>

namespace cd::os {

std::string AnsiToUtf8(const std::string& ansi);

}  // namespace cd::os
