// Starting programs: run and wait with a tick, or start and leave running. Command lines are
// in Windows form. On POSIX the program name goes through the drive map (".exe" is added when
// a name without extension does not exist); a program that is really a POSIX executable or a
// script runs directly, a Windows program cannot start; the arguments are passed one by one
// as the C runtime would split them, without translating the names in them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace cd::os {

// The general failure code (E_FAIL) given when a process cannot be created.
constexpr uint32_t kProcessCreationFailed = 0x80004005;

// Creates a process for the command line (no separate program name, no handle inheritance,
// the caller's environment and current directory) and waits for its end: every wait step of
// at most 100 ms is followed by a call of tick (when set) and the handling of all pending
// messages. Returns the exit code (POSIX: 128 + the signal number for a process killed by a
// signal), or kProcessCreationFailed when the process cannot be created; then error, when
// given, receives the reason.
uint32_t RunProcessAndWait(const std::string& commandLine, const std::function<void()>& tick,
                           std::string* error = nullptr);

// Starts the command line as a new process with the show command (SW_SHOW = 5) and does not
// wait (WinExec). False, with the reason in error when given, when it cannot be started.
bool StartProcess(const std::string& commandLine, int showCommand = 5,
                  std::string* error = nullptr);

}  // namespace cd::os
