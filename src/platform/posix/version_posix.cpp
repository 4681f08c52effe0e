// The version information of a file, read from the version resource of its PE image.
#include <algorithm>
#include <optional>

#include "platform/files.h"
#include "platform/pe_version.h"
#include "platform/version.h"

namespace cd::os {
namespace {

// The raw version resource; nothing for a missing, unreadable or foreign file.
std::optional<std::string> VersionResource(const std::string& path) {
  try {
    const auto file = OpenFile(path, OpenMode::Read, ShareMode::DenyNone);
    pe::FileImage image(*file);
    return pe::ReadVersionResource(image);
  } catch (const Exception&) {
    return std::nullopt;
  }
}

}  // namespace

uint32_t FileVersionInfoSize(const std::string& path) {
  const auto resource = VersionResource(path);
  return resource ? static_cast<uint32_t>(resource->size()) : 0;
}

bool ReadFileVersionInfo(const std::string& path, std::vector<uint8_t>& block) {
  const auto resource = VersionResource(path);
  if (!resource || resource->size() > block.size()) return false;
  std::copy(resource->begin(), resource->end(), block.begin());
  return true;
}

bool QueryFixedFileVersion(const std::vector<uint8_t>& block, FixedFileVersion& version) {
  try {
    const auto info = pe::ParseFixedFileInfo(
        std::string_view(reinterpret_cast<const char*>(block.data()), block.size()));
    if (!info) return false;
    version = {info->fileVersionMS, info->fileVersionLS, info->productVersionMS,
               info->productVersionLS};
    return true;
  } catch (const pe::EPeFormatError&) {
    return false;
  }
}

}  // namespace cd::os
