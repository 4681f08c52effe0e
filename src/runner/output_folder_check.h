// The safety test made before a build empties its output folder.
#pragma once

#include <string>

namespace cd {

// Fails with "TInstallManager.Execute: Unsafe DestPrgPath \"%s\"" unless dest names a folder
// below its anchor (the root of its drive or share, or the current folder once "." and ".."
// are resolved), and when the source folder lies inside it or is it (compared by name,
// without regard to letter case, when both are absolute or both relative).
void CheckOutputFolder(const std::string& dest, const std::string& source);

}  // namespace cd
