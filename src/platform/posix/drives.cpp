// Drive kinds and volume labels on POSIX, from the drive map and ".windows-label" files.
#include "platform/drives.h"

#include <sys/stat.h>
#include <sys/vfs.h>

#include <fstream>

#include "platform/paths.h"
#include "platform/posix/drive_table.h"

namespace cd::os {
namespace {

constexpr long kIso9660Magic = 0x9660;
constexpr long kUdfMagic = 0x15013346;

// The host folder of the drive named by root, or empty when it is not a mapped folder.
std::string DriveFolder(const std::string& root, int* index) {
  if (!IsDrivePath(root)) return "";
  const char letter = root[0];
  *index = (letter >= 'a' && letter <= 'z') ? letter - 'a' : letter - 'A';
  const std::string folder = posix::CurrentDrives()[*index];
  struct stat st {};
  if (folder.empty() || stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return "";
  return folder;
}

}  // namespace

DriveType DriveTypeOf(const std::string& root) {
  int index = 0;
  const std::string folder = DriveFolder(root, &index);
  if (folder.empty()) return DriveType::NoRootDir;
  const DriveType mapped = posix::MappedDriveType(index);
  struct statfs fs {};
  if (mapped == DriveType::Fixed && statfs(folder.c_str(), &fs) == 0 &&
      (static_cast<long>(fs.f_type) == kIso9660Magic ||
       static_cast<long>(fs.f_type) == kUdfMagic)) {
    return DriveType::CDRom;
  }
  return mapped;
}

std::optional<std::string> VolumeLabelOf(const std::string& root) {
  int index = 0;
  const std::string folder = DriveFolder(root, &index);
  if (folder.empty()) return std::nullopt;
  std::ifstream in(folder + "/.windows-label", std::ios::binary);
  if (!in) return std::string();
  char buffer[256];
  in.read(buffer, sizeof buffer);
  std::string label(buffer, static_cast<size_t>(in.gcount()));
  const size_t end = label.find_first_of("\r\n");
  if (end != std::string::npos) label.resize(end);
  return label;
}

}  // namespace cd::os
