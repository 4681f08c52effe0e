// The drive map table with its defaults ($CDRUN_ROOT or ~/.cdrun, drive_c, drive_<letter>).
#include "platform/posix/drive_table.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "base/exceptions.h"
#include "platform/drive_map.h"

namespace cd::os {
namespace posix {
namespace {

std::mutex& TableMutex() {
  static std::mutex mutex;
  return mutex;
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  const passwd* pw = getpwuid(getuid());
  return (pw && pw->pw_dir) ? pw->pw_dir : "/tmp";
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A folder given to the map is kept as an absolute, lexically normal path without a
// trailing slash (the root "/" stays as it is).
std::string NormalFolder(const std::string& folder) {
  std::filesystem::path p = std::filesystem::absolute(folder).lexically_normal();
  std::string s = p.string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

DriveTable DefaultTable() {
  DriveTable table;
  const std::string root = DriveMapRoot();
  // C: is mapped without being made: a run that only reads creates nothing, and whatever
  // writes makes the folders it needs.
  table[2] = NormalFolder(root + "/drive_c");
  for (int i = 0; i < 26; ++i) {
    if (i == 2) continue;
    const std::string folder = root + "/drive_" + static_cast<char>('a' + i);
    if (IsDirectory(folder)) table[i] = NormalFolder(folder);
  }
  return table;
}

// The table itself and the kinds of its drives; callers hold TableMutex().
DriveTable& Table() {
  static DriveTable table = DefaultTable();
  return table;
}

std::array<DriveType, 26>& Types() {
  static std::array<DriveType, 26> types = [] {
    std::array<DriveType, 26> all;
    all.fill(DriveType::Fixed);
    return all;
  }();
  return types;
}

int LetterIndex(char letter) {
  if (letter >= 'a' && letter <= 'z') return letter - 'a';
  if (letter >= 'A' && letter <= 'Z') return letter - 'A';
  throw Exception(std::string("Invalid drive letter \"") + letter + "\"");
}

}  // namespace

std::string DriveMapRoot() {
  const char* root = std::getenv("CDRUN_ROOT");
  if (root && *root) return NormalFolder(root);
  return NormalFolder(HomeFolder() + "/.cdrun");
}

DriveTable CurrentDrives() {
  std::lock_guard<std::mutex> lock(TableMutex());
  return Table();
}

DriveType MappedDriveType(int index) {
  std::lock_guard<std::mutex> lock(TableMutex());
  return Types()[index];
}

char MountOnFreeLetter(const std::string& hostFolder) {
  const std::string folder = NormalFolder(hostFolder);
  std::lock_guard<std::mutex> lock(TableMutex());
  DriveTable& table = Table();
  for (int i = 25; i >= 3; --i) {
    if (table[i] == folder) return static_cast<char>('A' + i);
  }
  for (int i = 25; i >= 3; --i) {
    if (table[i].empty()) {
      table[i] = folder;
      Types()[i] = DriveType::Fixed;
      return static_cast<char>('A' + i);
    }
  }
  return 0;
}

}  // namespace posix

void MapDrive(char letter, const std::string& hostFolder, DriveType type) {
  const int index = posix::LetterIndex(letter);
  const std::string folder = posix::NormalFolder(hostFolder);
  std::lock_guard<std::mutex> lock(posix::TableMutex());
  posix::Table()[index] = folder;
  posix::Types()[index] = type;
}

void UnmapDrive(char letter) {
  const int index = posix::LetterIndex(letter);
  std::lock_guard<std::mutex> lock(posix::TableMutex());
  posix::Table()[index].clear();
}

std::string DriveHostFolder(char letter) {
  const int index = posix::LetterIndex(letter);
  std::lock_guard<std::mutex> lock(posix::TableMutex());
  return posix::Table()[index];
}

}  // namespace cd::os
