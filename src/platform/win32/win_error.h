// The system's text for a Win32 error code. Internal to the Win32 layer.
#pragma once

#include <cstdint>
#include <string>

namespace cd::os::win32 {

// The message of the error code (GetLastError's value), without trailing line breaks.
std::string ErrorText(uint32_t code);
// The message of GetLastError() at the time of the call.
std::string LastErrorText();

}  // namespace cd::os::win32
