// win.ini profile strings (GetProfileStringA, WriteProfileStringA). On POSIX win.ini is the
// file "C:\WINDOWS\WIN.INI" on the mapped C: drive, replaced as a whole on every change.
#pragma once

#include <string>

namespace cd::os {

// The value of name in section, with blanks around it and one pair of enclosing quotes
// removed; defaultValue when the section or name is missing.
std::string ProfileString(const std::string& section, const std::string& name,
                          const std::string& defaultValue);

// Sets the value, adding the section and name when missing. False when it cannot be stored
// (the file cannot be written, or a line break in any part, "=" in the name, "]" in the
// section).
bool SetProfileString(const std::string& section, const std::string& name,
                      const std::string& value);

}  // namespace cd::os
