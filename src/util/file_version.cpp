// GetFileVersion over the platform's version information block.
#include "util/file_version.h"

#include <vector>

#include "base/exceptions.h"
#include "platform/version.h"
#include "util/format.h"

namespace cd {
namespace {

[[noreturn]] void NoVersionInfo(const std::string& fileName, int step) {
  throw Exception(Format("LowUtils.GetFileVersion: File %s does not have file version info (%d)",
                         {fileName, step}));
}

}  // namespace

uint64_t GetFileVersion(const std::string& fileName) {
  const uint32_t size = os::FileVersionInfoSize(fileName);
  if (size == 0) NoVersionInfo(fileName, 1);
  std::vector<uint8_t> block(size);
  if (!os::ReadFileVersionInfo(fileName, block)) NoVersionInfo(fileName, 2);
  os::FixedFileVersion version;
  if (!os::QueryFixedFileVersion(block, version)) NoVersionInfo(fileName, 3);
  return uint64_t{version.fileVersionMS} << 32 | version.fileVersionLS;
}

}  // namespace cd
