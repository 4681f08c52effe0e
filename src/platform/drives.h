// Drive queries: the kind of a drive and its volume label. On POSIX the kind is the one given
// to MapDrive (a folder on an ISO 9660 or UDF file system counts as a CD-ROM) and the label
// is the first line of the file ".windows-label" in the drive's root folder, as Wine keeps it.
#pragma once

#include <optional>
#include <string>

namespace cd::os {

// The values of GetDriveTypeA.
enum class DriveType {
  Unknown = 0,
  NoRootDir = 1,
  Removable = 2,
  Fixed = 3,
  Remote = 4,
  CDRom = 5,
  RamDisk = 6
};

// The kind of the drive whose root is given ("D:\").
DriveType DriveTypeOf(const std::string& root);

// The volume label of the drive whose root is given; empty for a drive without a label and
// nothing when the drive cannot be read. System dialogs for a missing disc are suppressed
// during the query.
std::optional<std::string> VolumeLabelOf(const std::string& root);

}  // namespace cd::os
