// The program entry of cdrun shared by the Windows program and the POSIX console front end.
#pragma once

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

}  // namespace cd
