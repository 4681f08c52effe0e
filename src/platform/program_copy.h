// Running the program from a temporary copy of itself. Windows refuses to delete the file of a
// running program, so a run that must delete its own file (a removal started from the copy of
// cdrun kept beside an install record) hands its work to a copy in the folder for temporary
// files (in a folder of its own, under the program's file name) and waits for the exit code
// the copy hands back. The copy hands the code back before it deletes what the first process
// held, so that process can end first. The copy's own file and folder are marked for deletion
// at the next start of the system, and each later handover deletes the copies of earlier ones
// that no longer run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cd::os {

// Whether the file of a running program can be deleted while it runs (POSIX: yes).
bool RunningProgramCanBeDeleted();

// Copies the running program into a new folder in the folder for temporary files and runs it with
// this process's arguments followed by handoverSwitch, "=" and the value that HandBackExitCode
// takes; waits until the copy hands back its exit code or ends. Returns the exit code, or
// nothing, with the reason in error, when the copy cannot be made or started.
std::optional<uint32_t> RunTemporaryCopy(const std::string& handoverSwitch, std::string* error);

// In the copy: gives exitCode to the process that started it and waits at most ms for that
// process to end. False when handover names no handover of a starting process.
bool HandBackExitCode(const std::string& handover, uint32_t exitCode, int ms);

// Marks the running program's file (a temporary copy) and the copy's folder for deletion at
// the next start of the system; false when the system refuses (without the right to do so).
bool DeleteProgramFileAtRestart();

}  // namespace cd::os
