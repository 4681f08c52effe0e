// The file contract of files.h on POSIX, through the drive map and the share table.
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "platform/dos_time.h"
#include "platform/paths.h"
#include "platform/posix/folder_names.h"
#include "platform/posix/host_path.h"
#include "platform/posix/posix_file.h"
#include "platform/posix/share_table.h"

namespace cd::os {
namespace {

// What the entry a path names, links followed, says of itself; the look-up's own answer is
// taken when the entry is no link.
bool StatPath(const std::string& path, struct stat* st) {
  std::string host;
  bool missing = false;
  std::optional<struct stat> entry;
  if (!posix::ResolveHostPath(path, &host, &missing, &entry) || missing) return false;
  if (entry && !S_ISLNK(entry->st_mode)) {
    *st = *entry;
    return true;
  }
  return stat(host.c_str(), st) == 0;
}

bool IsOpenInProcess(const std::string& host) {
  struct stat st {};
  return lstat(host.c_str(), &st) == 0 && posix::IsFileOpen(st.st_dev, st.st_ino);
}

// Whether Windows would refuse to delete or replace the entry: it is open in this process, or
// it is a regular file without any write permission (read-only; a user who runs as root here
// must get the same answer).
// The answer is kept as the reason of the refusal.
thread_local std::string lastRefusal;

bool Refuse(std::string reason) {
  lastRefusal = std::move(reason);
  return false;
}

// entry is the look at host (not following a link) when the caller has one.
bool IsProtected(const std::string& host, const std::optional<struct stat>& entry = {}) {
  struct stat st {};
  if (entry)
    st = *entry;
  else if (lstat(host.c_str(), &st) != 0)
    return false;
  if (posix::IsFileOpen(st.st_dev, st.st_ino)) return !Refuse(kFileInUse);
  if (S_ISLNK(st.st_mode) && stat(host.c_str(), &st) != 0) return false;
  return S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0 && !Refuse(kFileReadOnly);
}

// A failed system call: its reason is kept.
bool FailedCall() {
  return Refuse(posix::SystemReason(errno));
}

bool IsDirectory(const std::string& host) {
  struct stat st {};
  return stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Puts from in to's place. A missing target is taken in one step that refuses to replace
// anything, so it needs no look at it first; an existing one is replaced only when Windows
// would allow it.
bool MoveInto(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  // EINVAL: a file system that cannot refuse replacing in the same step.
  if (errno != EEXIST && errno != EINVAL && errno != ENOSYS) return FailedCall();
  if (IsProtected(to)) return false;
  return rename(from.c_str(), to.c_str()) == 0 || FailedCall();
}

// Windows refuses to rename a file that is open; askOpen is false when the caller knows it is
// closed.
bool Rename(const std::string& from, const std::string& to, bool askOpen) {
  std::string hostFrom, hostTo;
  if (!posix::ResolveHostPath(from, &hostFrom) || !posix::ResolveHostPath(to, &hostTo)) {
    return Refuse(kNoSuchDrive);
  }
  if (askOpen && IsOpenInProcess(hostFrom)) return Refuse(kFileInUse);
  if (!MoveInto(hostFrom, hostTo)) return false;
  posix::NoteEntryRenamed(hostFrom, hostTo);
  if (posix::IsWindowsProgramName(to)) {
    // A program written under a temporary name becomes runnable with its real name.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(hostTo.c_str(), 0777 & ~mask);
  }
  return true;
}

}  // namespace

std::unique_ptr<File> OpenFile(const std::string& path, OpenMode mode, ShareMode share) {
  // An existing file is usually named as it is written: opened straight away, it needs no
  // search for names in other letter case.
  std::string exact;
  if (mode != OpenMode::Create && mode != OpenMode::CreateNew &&
      posix::ExactHostPath(path, &exact)) {
    if (auto file = posix::PosixFile::OpenIfThere(path, exact, mode, share)) return file;
  }
  return posix::PosixFile::Open(path, HostPath(path), mode, share);
}

// TMPDIR when set, else /var/tmp, which lies on a disk where /tmp may be memory.
std::unique_ptr<File> OpenTemporaryFile() {
  const char* dir = std::getenv("TMPDIR");
  return posix::PosixFile::OpenNameless(dir && *dir ? dir : "/var/tmp");
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
  std::string host;
  bool absent = false;
  std::optional<struct stat> entry;
  // On a drive that is not mapped, HostPath raises the error that names it.
  if (!posix::ResolveHostPath(path, &host, &absent, &entry)) host = HostPath(path);
  while (host.size() > 1 && host.back() == '/') host.pop_back();
  // The look that found the folder answers for it, unless it is a link to be followed.
  if (entry && S_ISDIR(entry->st_mode)) return;
  if (!absent && IsDirectory(host)) return;
  std::vector<std::string> missing;
  for (std::string level = host; level != "/" && !posix::EntryExists(level);
       level = posix::ParentFolder(level))
    missing.push_back(level);
  for (auto level = missing.rbegin(); level != missing.rend(); ++level) {
    if (mkdir(level->c_str(), 0777) == 0) {
      posix::NoteFolderCreated(*level);
    } else if (errno != EEXIST) {
      throw Exception("Unable to create directory \"" + path + "\": " + posix::SystemReason(errno));
    }
  }
  if (!IsDirectory(host)) {
    throw Exception("Unable to create directory \"" + path + "\": " + posix::SystemReason(ENOTDIR));
  }
}

bool DeleteFile(const std::string& path) {
  std::string host;
  std::optional<struct stat> entry;
  if (!posix::ResolveHostPath(path, &host, nullptr, &entry)) return Refuse(kNoSuchDrive);
  if (IsProtected(host, entry)) return false;
  if (unlink(host.c_str()) != 0) return FailedCall();
  posix::NoteEntryRemoved(host);
  return true;
}

bool RenameFile(const std::string& from, const std::string& to) {
  return Rename(from, to, true);
}

bool PutInPlace(const std::string& from, const std::string& to) {
  return Rename(from, to, false);
}

std::string LastRefusal() {
  return lastRefusal;
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
