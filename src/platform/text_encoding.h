// The program's texts (the ANSI code page, windows-1250 for the publisher's languages) in
// UTF-8, for files that other programs read as UTF-8 (the install log's JSON lines).
#pragma once

#include <string>

namespace cd::os {

// ansi in UTF-8; a byte that cannot be converted becomes "?".
std::string AnsiToUtf8(const std::string& ansi);

}  // namespace cd::os
