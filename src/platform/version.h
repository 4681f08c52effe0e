// The version information block of an executable file, in the three steps of version.dll:
// size, read, query of the fixed part. POSIX reads the PE file's resource itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cd::os {

struct FixedFileVersion {
  uint32_t fileVersionMS = 0;  // major << 16 | minor
  uint32_t fileVersionLS = 0;  // release << 16 | build
  uint32_t productVersionMS = 0;
  uint32_t productVersionLS = 0;
};

// Size in bytes of the file's version information; 0 when the file has none, is missing or
// cannot be read as an executable image.
uint32_t FileVersionInfoSize(const std::string& path);

// Reads the version information into block, which holds FileVersionInfoSize bytes on entry.
// False when it cannot be read (or no longer fits the block).
bool ReadFileVersionInfo(const std::string& path, std::vector<uint8_t>& block);

// The fixed part at the root of a block filled by ReadFileVersionInfo; false when the block
// has none or it is empty.
bool QueryFixedFileVersion(const std::vector<uint8_t>& block, FixedFileVersion& version);

}  // namespace cd::os
