// The process-wide values the outline controls share with the application: the hint pause
// and the beep for a key that leads nowhere.
#pragma once

#include <functional>

namespace cd {

// Milliseconds before a hint shows; 500 until changed.
int& HintPause();
// Beeps for the outlines; when unset, the system beep.
std::function<void()>& OnOutlineBeep();
void OutlineBeep();

}  // namespace cd
