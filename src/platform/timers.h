// The tick count and the one system timer of the thread that drives the timer components.
#pragma once

#include <cstdint>
#include <functional>

namespace cd::os {

// Milliseconds since a fixed start (system start on Windows), wrapping at 2^32.
uint32_t TickCount();

// Runs onTick about every millisecond from the thread's message queue until StopSystemTimer:
// a 1 ms window timer on a message-only window on Windows, so that every message loop of the
// thread (a modal dialog's too) services it; on POSIX the program's own message pump and
// waits service it. Starting a running timer only replaces its handler. A failure of onTick
// is raised again by the next ProcessMessages on Windows (it cannot cross DispatchMessage).
void StartSystemTimer(std::function<void()> onTick);
void StopSystemTimer();
bool SystemTimerRunning();

}  // namespace cd::os
