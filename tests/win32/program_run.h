// Starting the project's programs from the window tests and waiting for them.
#pragma once

#include <windows.h>

#include <string>

namespace cd::test {

// A program's path as this process sees it: under Wine a host path lies on drive Z:.
std::string ProgramPath(const std::string& hostPath);

// Runs the command line and waits at most seconds for it; its exit code, or -1 when it could
// not start or did not end in time (it is then ended).
DWORD RunAndWaitFor(std::string commandLine, int seconds);

}  // namespace cd::test
