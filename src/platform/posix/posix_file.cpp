// Open files on POSIX: descriptors plus the emulated Windows share modes.
#include "platform/posix/posix_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <optional>

#include "base/exceptions.h"
#include "platform/dos_time.h"
#include "platform/posix/folder_names.h"
#include "platform/posix/share_table.h"

namespace cd::os::posix {
namespace {

ShareClaim ClaimFor(OpenMode mode, ShareMode share) {
  ShareClaim claim;
  claim.read = mode != OpenMode::Write;
  claim.write = mode != OpenMode::Read;
  claim.shareRead = share == ShareMode::DenyWrite || share == ShareMode::DenyNone;
  claim.shareWrite = share == ShareMode::DenyRead || share == ShareMode::DenyNone;
  return claim;
}

int OpenFlags(OpenMode mode) {
  switch (mode) {
    case OpenMode::Read:
      return O_RDONLY;
    case OpenMode::Write:
      return O_WRONLY;
    case OpenMode::ReadWrite:
      return O_RDWR;
    case OpenMode::Create:
      // Truncated only after the share check, so a refused open leaves the file intact.
      return O_RDWR | O_CREAT;
    case OpenMode::CreateNew:
      return O_RDWR | O_CREAT | O_EXCL;
  }
  return O_RDONLY;
}

// The moment a packed local date-time stands for; nothing when it is no valid date and time.
// The last answer is kept: a run dates many files alike, and each conversion asks the system
// whether the time zone changed.
std::optional<time_t> MomentOf(int32_t dosDateTime) {
  thread_local int32_t lastValue = 0;
  thread_local time_t lastMoment = 0;
  if (lastValue != 0 && lastValue == dosDateTime) return lastMoment;
  const auto fields = UnpackDosDateTime(dosDateTime);
  if (!fields) return std::nullopt;
  std::tm local{};
  local.tm_year = fields->year - 1900;
  local.tm_mon = fields->month - 1;
  local.tm_mday = fields->day;
  local.tm_hour = fields->hour;
  local.tm_min = fields->minute;
  local.tm_sec = fields->second;
  local.tm_isdst = -1;
  const time_t when = mktime(&local);
  if (when == static_cast<time_t>(-1)) return std::nullopt;
  lastValue = dosDateTime;
  lastMoment = when;
  return when;
}

// Whether copy_file_range cannot serve these two files at all (another file system, a kind
// of file it does not handle, an old kernel), so that a plain copy must do instead.
bool NotCopyableInSystem(int error) {
  return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP ||
         error == EBADF;
}

[[noreturn]] void FailOpen(const std::string& name, const std::string& reason) {
  throw Exception("Cannot open file \"" + name + "\": " + reason);
}

}  // namespace

std::string SystemReason(int error) {
  return std::strerror(error);
}

bool IsWindowsProgramName(const std::string& name) {
  const size_t dot = name.find_last_of(".\\/");
  if (dot == std::string::npos || name[dot] != '.') return false;
  std::string ext = name.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == "exe" || ext == "com" || ext == "bat";
}

mode_t CreationMode(const std::string& name) {
  // Windows runs a file by its name; the host needs the execute permission for the same.
  return IsWindowsProgramName(name) ? 0777 : 0666;
}

std::unique_ptr<PosixFile> PosixFile::Open(const std::string& name, const std::string& host,
                                           OpenMode mode, ShareMode share) {
  const int fd = open(host.c_str(), OpenFlags(mode) | O_CLOEXEC, CreationMode(name));
  if (fd < 0) FailOpen(name, SystemReason(errno));
  return Adopt(name, host, fd, mode, share);
}

std::unique_ptr<PosixFile> PosixFile::OpenIfThere(const std::string& name,
                                                  const std::string& host, OpenMode mode,
                                                  ShareMode share) {
  const int fd = open(host.c_str(), OpenFlags(mode) | O_CLOEXEC);
  if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) return nullptr;
  if (fd < 0) FailOpen(name, SystemReason(errno));
  return Adopt(name, host, fd, mode, share);
}

std::unique_ptr<PosixFile> PosixFile::Adopt(const std::string& name, const std::string& host,
                                            int fd, OpenMode mode, ShareMode share) {
  struct stat st {};
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    close(fd);
    FailOpen(name, SystemReason(EISDIR));
  }
  const uint64_t token = AcquireShare(st.st_dev, st.st_ino, ClaimFor(mode, share));
  if (token == 0) {
    close(fd);
    FailOpen(name,
             "The process cannot access the file because it is being used by another process");
  }
  if (mode == OpenMode::Create || mode == OpenMode::CreateNew) NoteEntryAdded(host);
  const bool truncated = mode == OpenMode::Create;
  std::unique_ptr<PosixFile> file(
      new PosixFile(name, fd, token, S_ISREG(st.st_mode), truncated ? 0 : st.st_size));
  if (truncated && ftruncate(fd, 0) != 0) file->Fail("truncate");
  return file;
}

// O_TMPFILE gives a file that never had a name; where the file system cannot do that, a new
// unique name is removed at once, which leaves the same: an open file nobody can find.
std::unique_ptr<PosixFile> PosixFile::OpenNameless(const std::string& dir) {
  int fd = open(dir.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd < 0) {
    std::string pattern = dir + "/cdrun-XXXXXX";
    fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0) unlink(pattern.c_str());
  }
  if (fd < 0) FailOpen("temporary file in " + dir, SystemReason(errno));
  return std::unique_ptr<PosixFile>(new PosixFile("temporary file in " + dir, fd, 0, true, 0));
}

PosixFile::~PosixFile() {
  ReleaseShare(shareToken_);
  close(fd_);
}

void PosixFile::Fail(const char* action) const {
  throw Exception(std::string("Cannot ") + action + " file \"" + name_ +
                  "\": " + SystemReason(errno));
}

int64_t PosixFile::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const ssize_t got = read(fd_, static_cast<char*>(buffer) + done, count - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) Fail("read");
    if (got == 0) break;
    done += got;
  }
  return done;
}

int64_t PosixFile::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const ssize_t put = write(fd_, static_cast<const char*>(buffer) + done, count - done);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) Fail("write");
    done += put;
  }
  return done;
}

int64_t PosixFile::Seek(int64_t offset, int origin) {
  static const int kWhence[3] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (origin < 0 || origin > 2) {
    errno = EINVAL;
    Fail("seek in");
  }
  const off_t pos = lseek(fd_, offset, kWhence[origin]);
  if (pos < 0) Fail("seek in");
  return pos;
}

void PosixFile::Truncate() {
  const off_t pos = lseek(fd_, 0, SEEK_CUR);
  if (pos < 0 || ftruncate(fd_, pos) != 0) Fail("truncate");
}


int64_t PosixFile::ReadAt(int64_t offset, void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const ssize_t got = pread(fd_, static_cast<char*>(buffer) + done, count - done, offset + done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) Fail("read");
    if (got == 0) break;
    done += got;
  }
  return done;
}

int64_t PosixFile::Size() {
  struct stat st {};
  if (fstat(fd_, &st) != 0) Fail("read the size of");
  return st.st_size;
}

bool PosixFile::SetDate(int32_t dosDateTime) {
  const auto when = MomentOf(dosDateTime);
  if (!when) return false;
  const timespec times[2] = {{*when, 0}, {*when, 0}};
  return futimens(fd_, times) == 0;
}

int64_t PosixFile::CopyFrom(File& source, int64_t count) {
  auto* from = dynamic_cast<PosixFile*>(&source);
  if (!from || !from->regular_ || !regular_) return File::CopyFrom(source, count);
  int64_t done = 0;
  while (done < count) {
    const ssize_t put = copy_file_range(from->fd_, nullptr, fd_, nullptr,
                                        static_cast<size_t>(count - done), 0);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0 && done == 0 && NotCopyableInSystem(errno)) return File::CopyFrom(source, count);
    if (put < 0) Fail("write");
    if (put == 0) break;
    done += put;
  }
  return done;
}

}  // namespace cd::os::posix
