// The usage of cdrun as its help shows it, in the spelling of the platform's switches.
#pragma once

#include <string>

namespace cd {

inline constexpr const char* kProgramVersion = "1.0";

// windowsStyle: the "/SWITCH" spelling of Windows; otherwise the "--switch" one of POSIX
// with the console's questions, drives and exit status.
std::string UsageText(bool windowsStyle);

}  // namespace cd
