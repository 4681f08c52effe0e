// The file contract of files.h on POSIX, through the drive map and the share table.
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <filesystem>

#include "platform/dos_time.h"
#include "platform/paths.h"
#include "platform/posix/host_path.h"
#include "platform/posix/posix_file.h"
#include "platform/posix/share_table.h"
#include "util/exceptions.h"

namespace cd::os {
namespace {

bool StatPath(const std::string& path, struct stat* st) {
  std::string host;
  return posix::ResolveHostPath(path, &host) && stat(host.c_str(), st) == 0;
}

bool IsOpenInProcess(const std::string& host) {
  struct stat st {};
  return lstat(host.c_str(), &st) == 0 && posix::IsFileOpen(st.st_dev, st.st_ino);
}

// A regular file without any write permission: Windows neither deletes nor replaces a
// read-only file, and a user who runs as root here must get the same answer.
bool IsReadOnlyFile(const std::string& host) {
  struct stat st {};
  return stat(host.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0;
}

}  // namespace

std::unique_ptr<File> OpenFile(const std::string& path, OpenMode mode, ShareMode share) {
  return posix::PosixFile::Open(path, HostPath(path), mode, share);
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return StatPath(path, &st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return StatPath(path, &st) && S_ISDIR(st.st_mode);
}

void ForceDirectories(const std::string& path) {
  if (path.empty()) throw Exception("Unable to create directory");
  std::error_code ec;
  std::filesystem::create_directories(HostPath(path), ec);
  if (ec || !DirectoryExists(path)) {
    throw Exception("Unable to create directory \"" + path +
                    "\": " + (ec ? ec.message() : posix::SystemReason(ENOTDIR)));
  }
}

bool DeleteFile(const std::string& path) {
  std::string host;
  if (!posix::ResolveHostPath(path, &host) || IsOpenInProcess(host) || IsReadOnlyFile(host)) {
    return false;
  }
  return unlink(host.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
  std::string hostFrom, hostTo;
  if (!posix::ResolveHostPath(from, &hostFrom) || !posix::ResolveHostPath(to, &hostTo)) {
    return false;
  }
  if (IsOpenInProcess(hostFrom) || IsOpenInProcess(hostTo) || IsReadOnlyFile(hostTo)) return false;
  if (rename(hostFrom.c_str(), hostTo.c_str()) != 0) return false;
  if (posix::IsWindowsProgramName(to)) {
    // A program written under a temporary name becomes runnable with its real name.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(hostTo.c_str(), 0777 & ~mask);
  }
  return true;
}

int64_t FileSize(const std::string& path) {
  struct stat st {};
  if (!StatPath(path, &st) || S_ISDIR(st.st_mode)) return -1;
  return st.st_size;
}

int32_t FileAge(const std::string& path) {
  struct stat st {};
  if (!StatPath(path, &st) || S_ISDIR(st.st_mode)) return -1;
  std::tm local{};
  if (!localtime_r(&st.st_mtime, &local)) return -1;
  const DosDateTimeFields fields{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                 local.tm_hour,        local.tm_min,     local.tm_sec};
  return PackDosDateTime(fields).value_or(-1);
}

bool SetFileDate(const std::string& path, int32_t dosDateTime) {
  const auto fields = UnpackDosDateTime(dosDateTime);
  if (!fields) return false;
  std::tm local{};
  local.tm_year = fields->year - 1900;
  local.tm_mon = fields->month - 1;
  local.tm_mday = fields->day;
  local.tm_hour = fields->hour;
  local.tm_min = fields->minute;
  local.tm_sec = fields->second;
  local.tm_isdst = -1;
  const time_t when = mktime(&local);
  if (when == static_cast<time_t>(-1)) return false;
  std::unique_ptr<posix::PosixFile> file;
  try {
    file = posix::PosixFile::Open(path, HostPath(path), OpenMode::Write, ShareMode::DenyNone);
  } catch (const Exception&) {
    return false;
  }
  const timespec times[2] = {{when, 0}, {when, 0}};
  return futimens(file->Descriptor(), times) == 0;
}

std::vector<std::string> ListDirectory(const std::string& dir, const std::string& mask) {
  std::vector<std::string> names;
  std::string host;
  if (!posix::ResolveHostPath(dir, &host)) return names;
  DIR* handle = opendir(host.c_str());
  if (!handle) return names;
  while (const dirent* entry = readdir(handle)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (MatchesMask(name, mask)) names.push_back(name);
  }
  closedir(handle);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace cd::os
