// How the POSIX message pump and waits service the system timer. Internal to the POSIX layer.
#pragma once

namespace cd::os::posix {

// Runs the system timer's handler when it is running and due.
void ServiceSystemTimer();
// The milliseconds a wait may sleep before the system timer is next due, at most limitMs.
int SystemTimerSleepMs(int limitMs);

}  // namespace cd::os::posix
