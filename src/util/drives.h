// Drive queries by drive letter: CD-ROM test and volume label.
#pragma once

#include <string>

namespace cd {

// True when the root "X:\" of the drive letter is a CD-ROM drive.
bool IsCDRomDrive(char letter);

// The volume label of the drive's root, empty when it cannot be read; in lower case for a
// lower-case letter ("a" or above), in upper case otherwise.
std::string GetVolumeLabel(char letter);

}  // namespace cd
