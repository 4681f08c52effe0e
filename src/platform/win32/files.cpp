// The file contract of files.h on Windows, over the kernel32 file functions.
#include "platform/files.h"

#include <windows.h>

#include <algorithm>

// windows.h renames DeleteFile to DeleteFileA; ours is the cd::os function.
#undef DeleteFile

#include "base/exceptions.h"
#include "platform/paths.h"
#include "platform/win32/win_error.h"

namespace cd::os {
namespace {

// A handle closed when it goes out of scope.
class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE h) : h_(h) {}
  ~ScopedHandle() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  HANDLE Get() const { return h_; }
  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

HANDLE OpenShared(const std::string& path, DWORD access) {
  return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Creates the missing levels from the top; failures show in the final check of the caller.
void CreateLevels(const std::string& path) {
  const std::string dir = ExcludeTrailingBackslash(path);
  if (dir.empty() || (IsDrivePath(dir) && dir.size() <= 2) || DirectoryExists(dir)) return;
  const std::string parent = ExtractFilePath(dir);
  if (!parent.empty() && parent.size() < dir.size()) CreateLevels(parent);
  CreateDirectoryA(dir.c_str(), nullptr);
}

// Windows refuses to delete or replace a read-only file; asked first, so that every system
// that runs this program (Wine among them) answers the same.
bool IsReadOnlyFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ForceDirectories(const std::string& path) {
  if (path.empty()) throw Exception("Unable to create directory");
  CreateLevels(path);
  if (!DirectoryExists(path)) {
    throw Exception("Unable to create directory \"" + path + "\": " + win32::LastErrorText());
  }
}

// The reason of the last refusal below, for LastRefusal.
thread_local std::string lastRefusal;

bool Refused(std::string reason) {
  lastRefusal = std::move(reason);
  return false;
}

// Whether another handle keeps the file from being deleted: opening it for deletion with every
// sharing allowed fails with a sharing violation then.
bool HeldOpen(const std::string& path) {
  HANDLE handle =
      CreateFileA(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle != INVALID_HANDLE_VALUE) {
    CloseHandle(handle);
    return false;
  }
  return GetLastError() == ERROR_SHARING_VIOLATION;
}

// A failed call on path: sharing violations get the words of the other refusals. Replacing a
// file that is open fails as access denied, so that answer is checked against the file.
bool FailedCall(const std::string& path) {
  const DWORD error = GetLastError();
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return Refused(kFileInUse);
  const std::string reason = win32::LastErrorText();
  if (error == ERROR_ACCESS_DENIED && HeldOpen(path)) return Refused(kFileInUse);
  return Refused(reason);
}

bool DeleteFile(const std::string& path) {
  if (IsReadOnlyFile(path)) return Refused(kFileReadOnly);
  return DeleteFileA(path.c_str()) != 0 || FailedCall(path);
}

std::string LastRefusal() {
  return lastRefusal;
}

bool RenameFile(const std::string& from, const std::string& to) {
  if (IsReadOnlyFile(to)) return Refused(kFileReadOnly);
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) ||
         FailedCall(to);
}

bool PutInPlace(const std::string& from, const std::string& to) {
  return RenameFile(from, to);
}

int64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
  return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int32_t FileAge(const std::string& path) {
  ScopedHandle file(OpenShared(path, GENERIC_READ));
  FILETIME written, local;
  WORD date = 0, time = 0;
  if (!file.Valid() || !GetFileTime(file.Get(), nullptr, nullptr, &written) ||
      !FileTimeToLocalFileTime(&written, &local) || !FileTimeToDosDateTime(&local, &date, &time)) {
    return -1;
  }
  return static_cast<int32_t>((static_cast<uint32_t>(date) << 16) | time);
}

std::vector<std::string> ListDirectory(const std::string& dir, const std::string& mask) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(JoinPath(dir, mask).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = data.cFileName;
    // FindFirstFileA also matches short 8.3 aliases; keep only long names that match.
    if (name != "." && name != ".." && MatchesMask(name, mask)) names.push_back(name);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ProgramPath() {
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) throw Exception("Cannot find the path of the running program");
    if (n < buffer.size()) return buffer.substr(0, n);
    buffer.resize(buffer.size() * 2);
  }
}

std::string ProgramFolder() {
  return ExtractFilePath(ProgramPath());
}

std::string HostPath(const std::string& path) {
  return path;
}

}  // namespace cd::os
