// A failure of the system timer's handler, kept until the program's own pump can raise it.
// Internal to the Win32 layer.
#pragma once

namespace cd::os::win32 {

// Raises the first failure of the system timer's handler since the last call, if any.
void RethrowTimerFailure();

}  // namespace cd::os::win32
