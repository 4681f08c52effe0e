// Starting outside programs from the update run: waiting for a registration or setup program,
// and starting the chosen application at the end.
#pragma once

#include <cstdint>
#include <string>

#include "install/setup_callback.h"

namespace cd {

// Runs "commandLine params" and waits for it, calling tick (when set) and handling window
// messages every 100 ms; returns its exit code, or 0x80004005 when it cannot be started.
uint32_t RunAndWait(const std::string& commandLine, const std::string& params,
                    const TStepProc& tick);

// A program's file name as the start of a command line: in quotes when it holds a blank, so
// that "C:\Program Files\x.exe" can never start "C:\Program.exe".
std::string QuotedProgram(const std::string& fileName);

// Starts commandLine as a new process shown normally, without waiting.
void StartProgram(const std::string& commandLine);

// Fails unless the program of runCommand (the text up to its first blank; the rest are its
// arguments) is a safe name below the Vok folder of the Windows directory: no drive, root,
// "..", quote or device name. An empty runCommand starts nothing and passes.
void CheckRunCommand(const std::string& runCommand);

}  // namespace cd
