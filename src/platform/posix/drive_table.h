// The POSIX drive map's table: drive letter -> host folder, with the default mappings made on
// first use. Internal to the POSIX platform layer.
#pragma once

#include <array>
#include <string>

#include "platform/drives.h"

namespace cd::os::posix {

// A copy of the table: index 0 is A:, 25 is Z:; an empty string is an unmapped letter.
using DriveTable = std::array<std::string, 26>;
DriveTable CurrentDrives();
// The kind given when the drive was mapped (Fixed for the defaults and mounted folders).
DriveType MappedDriveType(int index);

// Maps the highest free letter (from Z: down to D:) to hostFolder, or returns the letter
// already mapped to exactly that folder. Returns 0 when no letter is free.
char MountOnFreeLetter(const std::string& hostFolder);

// The folder under which the default drives live ($CDRUN_ROOT or ~/.cdrun).
std::string DriveMapRoot();

}  // namespace cd::os::posix
