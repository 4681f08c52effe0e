// File size, date and existence queries over the platform's file API.
#include "util/file_properties.h"

#include <algorithm>
#include <limits>

#include "base/exceptions.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "util/format.h"

namespace cd {
namespace {

// A directory entry's size as the signed 32-bit value callers store; folders count 0.
int32_t EntrySize(const std::string& path) {
  const int64_t size = os::FileSize(path);
  if (size < 0) return os::DirectoryExists(path) ? 0 : -1;
  return static_cast<int32_t>(std::min<int64_t>(size, std::numeric_limits<int32_t>::max()));
}

}  // namespace

int32_t GetFileSizeByName(const std::string& fileName) {
  if (fileName.find_first_of("*?") == std::string::npos) return EntrySize(fileName);
  const std::string dir = os::ExtractFilePath(fileName);
  const auto matches = os::ListDirectory(dir.empty() ? "." : dir, os::ExtractFileName(fileName));
  return matches.empty() ? -1 : EntrySize(dir + matches.front());
}

int32_t GetFileDate(const std::string& fileName) {
  // The date is asked first: it answers a missing file or a folder (-1), the usual case of a
  // new installation, without a failed open, and costs no look of its own at the file.
  const int32_t age = os::FileAge(fileName);
  if (age == -1) return -1;
  try {
    // Opening makes a file that another program holds count as missing.
    const auto file = os::OpenFile(fileName, os::OpenMode::Read, os::ShareMode::DenyNone);
    return age;
  } catch (const Exception&) {
    return -1;
  }
}

void SetFileDate(const std::string& fileName, int32_t stamp) {
  try {
    os::SetFileDate(fileName, stamp);
  } catch (const Exception&) {
    // A file that cannot be reached keeps its date, as one that cannot be opened does.
  }
}

void CheckFileExists(const std::string& caller, const std::string& fileName) {
  if (!os::FileExists(fileName))
    throw Exception(Format("%s: File \"%s\" does not exist!", {caller, fileName}));
}

bool DirectoryExists(const std::string& name) {
  return os::DirectoryExists(name);
}

}  // namespace cd
