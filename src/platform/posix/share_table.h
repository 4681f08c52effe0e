// Windows share modes inside one process: every open file registers its access and what it
// lets others do, and a conflicting open fails as CreateFileA would with a sharing violation.
// Internal to the POSIX layer; other processes are not consulted (POSIX has no such locks).
#pragma once

#include <sys/types.h>

#include <cstdint>

namespace cd::os::posix {

struct ShareClaim {
  bool read = false;
  bool write = false;
  bool shareRead = false;   // others may read
  bool shareWrite = false;  // others may write
};

// Registers an open of the file (device, inode); returns a token for ReleaseShare, or 0 when
// the open conflicts with one already registered.
uint64_t AcquireShare(dev_t device, ino_t inode, const ShareClaim& claim);
void ReleaseShare(uint64_t token);
// Whether the file is open in this process (then it cannot be deleted or renamed, as on
// Windows, where our opens never allow deletion).
bool IsFileOpen(dev_t device, ino_t inode);

}  // namespace cd::os::posix
