// The system's beep for an input that leads nowhere.
#pragma once

namespace cd::os {

// MessageBeep on Windows; the terminal's bell on POSIX.
void Beep();

}  // namespace cd::os
