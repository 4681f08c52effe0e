// The program entry of cdrun shared by the Windows program and the POSIX console front end.
#pragma once

#include <string>
#include <vector>

namespace cd {

enum class EntryOutcome { Done, AnotherInstance, Cancelled, Failed };

// Ends at once when a window of class "TInsertCDRomForm" exists; otherwise registers the
// classes, sets the run hooks, takes the publisher's key (/PUBKEY=FILE, --pubkey=FILE or the
// built-in one), resolves the configuration name from the other args (the first, or "run.cfg"
// beside the program) and runs it, showing any failure with the standard error
// display. A failure of the update inside the progress window, shown there, also counts as
// Failed.
EntryOutcome RunEntry(std::vector<std::string> args);

}  // namespace cd
