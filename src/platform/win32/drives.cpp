// Drive kinds and volume labels from kernel32.
#include "platform/drives.h"

#include <windows.h>

namespace cd::os {

DriveType DriveTypeOf(const std::string& root) {
  return static_cast<DriveType>(GetDriveTypeA(root.c_str()));
}

std::optional<std::string> VolumeLabelOf(const std::string& root) {
  // No "insert a disc" dialog while the drive is asked; the previous mode comes back after.
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
  char label[MAX_PATH + 1] = {};
  const BOOL ok = GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr,
                                        nullptr, nullptr, 0);
  SetErrorMode(previous);
  if (!ok) return std::nullopt;
  return std::string(label);
}

}  // namespace cd::os
