// The program entry of cdrun shared by the Windows program and the POSIX console front end.
#pragma once

#include <optional>

#include "runner/command_line_parser.h"

namespace cd {

enum class EntryOutcome { Done, AnotherInstance, Cancelled, Failed, RestartNeeded };

// Ends at once when a window of class "TInsertCDRomForm" exists; otherwise registers the
// classes, sets the run hooks, resolves the configuration name (switches' configName, or
// "run.cfg" beside the program) and runs it, showing any failure with the standard error
// display. A failure of the update inside the progress window, shown there, also counts as
// Failed. Silent runs answer from the switches and turn every message box into a line of
// the log and of standard error; the install log is written when the switches ask for it.
// With a publisher's key (the switches' file or the built-in one) the medium must carry
// sums signed with it; a key that cannot be used ends the run as Failed.
EntryOutcome RunEntry(const TRunSwitches& switches);

// 0 done (or another instance), 1 failed, 2 cancelled, 3 done and Windows must restart.
int ExitCodeOf(EntryOutcome outcome);

// The switch that hands a removal over to a temporary copy of cdrun.
constexpr const char* kHandoverSwitch = "/HANDOVER";

// A removal started from the copy of cdrun kept for the uninstall entry, where the running
// program's file cannot be deleted: runs it in a temporary copy (os::RunTemporaryCopy) and
// returns the exit code the copy hands back. Nothing for any other run, and when the copy
// cannot be made: the removal then runs here and leaves the kept copy.
std::optional<int> RunRemovalInTemporaryCopy(const TRunSwitches& switches);

// In the temporary copy, at the end of its run: hands exitCode back and, once the process
// that started it has ended, removes what that process held (the kept copy and its folder);
// then marks its own file for deletion.
void FinishHandedOverRemoval(const TRunSwitches& switches, int exitCode);

}  // namespace cd
