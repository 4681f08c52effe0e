// The installation description that cdbuild works on: where it lies, reading it, its media.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runner/install_manager.h"

namespace cd {
class TRunCDRom;
}

namespace cd::build {

// Maps the drives asked for (POSIX), makes the folder of the description the current folder
// (given a drive letter on POSIX) and returns the description's Windows path.
std::string PrepareDrives(const std::string& description,
                          const std::vector<std::pair<char, std::string>>& maps);

// Reads the description; its root must be a TInstallManager.
std::unique_ptr<TInstallManager> ReadDescription(const std::string& windowsPath);

// Fails naming the drive when a path of the install manager or of the medium lies on a drive
// that is not mapped (POSIX; on Windows every drive letter counts as mapped).
void CheckDrivesMapped(const TInstallManager& manager, const TRunCDRom& medium);

// The media below the description's TCDRomManager, in order (none when it has no manager).
std::vector<TRunCDRom*> MediaOf(TInstallManager& manager);

// The medium named by MediumId, Descr or component name (letter case ignored), or by its
// 1-based position; fails naming the choices when none or several match.
TRunCDRom* ChooseMedium(TInstallManager& manager, const std::string& wanted);

}  // namespace cd::build
