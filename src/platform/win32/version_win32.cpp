// The version information of a file through version.dll.
#include <windows.h>

#include "platform/version.h"

namespace cd::os {

uint32_t FileVersionInfoSize(const std::string& path) {
  DWORD handle = 0;
  return GetFileVersionInfoSizeA(path.c_str(), &handle);
}

bool ReadFileVersionInfo(const std::string& path, std::vector<uint8_t>& block) {
  return GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) !=
         FALSE;
}

bool QueryFixedFileVersion(const std::vector<uint8_t>& block, FixedFileVersion& version) {
  void* value = nullptr;
  UINT length = 0;
  if (block.empty() || !VerQueryValueA(block.data(), "\\", &value, &length) || !value ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return false;
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
  version = {info->dwFileVersionMS, info->dwFileVersionLS, info->dwProductVersionMS,
             info->dwProductVersionLS};
  return true;
}

}  // namespace cd::os
