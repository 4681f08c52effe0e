// Drive letters and host folders. On POSIX every drive letter of a Windows path maps to a
// host folder (like a Wine prefix); on Windows drives are real and mapping has no effect.
//
// POSIX defaults (see docs/drive-map.md): the root folder is $CDRUN_ROOT, or ~/.cdrun when
// that variable is unset or empty. C: is always mapped to <root>/drive_c (made, with the
// Windows directory, only when something is written there); any other letter X is mapped to <root>/drive_x
// when that folder exists at the first use of the map. Further drives are mapped with
// MapDrive, e.g. the folder of the configuration, or on demand by WindowsPath.
#pragma once

#include <string>

#include "platform/drives.h"

namespace cd::os {

// Maps a drive letter (either case) to a host folder, replacing an earlier mapping; type is
// what DriveTypeOf reports for it. Windows: no effect. Fails with cd::Exception for a
// character that is not a letter.
void MapDrive(char letter, const std::string& hostFolder, DriveType type = DriveType::Fixed);
// Removes a mapping. Windows: no effect.
void UnmapDrive(char letter);
// The host folder a drive letter maps to; empty when unmapped. Windows: "X:\".
std::string DriveHostFolder(char letter);

// The Windows form of a host path. POSIX: the drive path when the host path lies under a
// mapped drive (the deepest mapping wins); otherwise its folder (the path itself when it is
// a directory) is mapped to the highest free letter from Z: downwards, as Wine maps its
// Z: drive. Windows: the full path of the name. Fails when no letter is free.
std::string WindowsPath(const std::string& hostPath);

}  // namespace cd::os
