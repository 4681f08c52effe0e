// Open files on Windows: a CreateFileA handle with the caller's share mode.
#include <windows.h>

#include <algorithm>

#include "base/exceptions.h"
#include "platform/dos_time.h"
#include "platform/files.h"
#include "platform/win32/win_error.h"

namespace cd::os {
namespace {

DWORD AccessFor(OpenMode mode) {
  switch (mode) {
    case OpenMode::Read:
      return GENERIC_READ;
    case OpenMode::Write:
      return GENERIC_WRITE;
    case OpenMode::ReadWrite:
    case OpenMode::Create:
    case OpenMode::CreateNew:
      return GENERIC_READ | GENERIC_WRITE;
  }
  return GENERIC_READ;
}

DWORD ShareFor(ShareMode share) {
  switch (share) {
    case ShareMode::Compat:
    case ShareMode::Exclusive:
      return 0;
    case ShareMode::DenyWrite:
      return FILE_SHARE_READ;
    case ShareMode::DenyRead:
      return FILE_SHARE_WRITE;
    case ShareMode::DenyNone:
      return FILE_SHARE_READ | FILE_SHARE_WRITE;
  }
  return 0;
}

class WinFile : public File {
 public:
  WinFile(std::string name, HANDLE handle) : name_(std::move(name)), handle_(handle) {}
  ~WinFile() override { CloseHandle(handle_); }
  WinFile(const WinFile&) = delete;
  WinFile& operator=(const WinFile&) = delete;

  int64_t Read(void* buffer, int64_t count) override {
    int64_t done = 0;
    while (done < count) {
      const DWORD chunk = static_cast<DWORD>(std::min<int64_t>(count - done, 1 << 30));
      DWORD got = 0;
      if (!ReadFile(handle_, static_cast<char*>(buffer) + done, chunk, &got, nullptr)) {
        Fail("read");
      }
      if (got == 0) break;
      done += got;
    }
    return done;
  }

  int64_t Write(const void* buffer, int64_t count) override {
    int64_t done = 0;
    while (done < count) {
      const DWORD chunk = static_cast<DWORD>(std::min<int64_t>(count - done, 1 << 30));
      DWORD put = 0;
      if (!WriteFile(handle_, static_cast<const char*>(buffer) + done, chunk, &put, nullptr)) {
        Fail("write");
      }
      done += put;
    }
    return done;
  }

  int64_t Seek(int64_t offset, int origin) override {
    static const DWORD kMethod[3] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    if (origin < 0 || origin > 2) {
      SetLastError(ERROR_INVALID_PARAMETER);
      Fail("seek in");
    }
    LARGE_INTEGER distance, position;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(handle_, distance, &position, kMethod[origin])) Fail("seek in");
    return position.QuadPart;
  }

  void Truncate() override {
    if (!SetEndOfFile(handle_)) Fail("truncate");
  }

  int64_t ReadAt(int64_t offset, void* buffer, int64_t count) override {
    const int64_t position = Seek(0, 1);
    Seek(offset, 0);
    const int64_t n = Read(buffer, count);
    Seek(position, 0);
    return n;
  }

  int64_t Size() override {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle_, &size)) Fail("read the size of");
    return size.QuadPart;
  }

  bool SetDate(int32_t dosDateTime) override {
    if (!UnpackDosDateTime(dosDateTime)) return false;
    const uint32_t value = static_cast<uint32_t>(dosDateTime);
    FILETIME local, written;
    return DosDateTimeToFileTime(static_cast<WORD>(value >> 16), static_cast<WORD>(value & 0xFFFF),
                                 &local) &&
           LocalFileTimeToFileTime(&local, &written) &&
           SetFileTime(handle_, nullptr, nullptr, &written);
  }

 private:
  [[noreturn]] void Fail(const char* action) const {
    throw Exception(std::string("Cannot ") + action + " file \"" + name_ +
                    "\": " + win32::LastErrorText());
  }

  std::string name_;
  HANDLE handle_;
};

}  // namespace

std::unique_ptr<File> OpenFile(const std::string& path, OpenMode mode, ShareMode share) {
  const DWORD disposition = mode == OpenMode::Create      ? CREATE_ALWAYS
                            : mode == OpenMode::CreateNew ? CREATE_NEW
                                                          : OPEN_EXISTING;
  HANDLE handle = CreateFileA(path.c_str(), AccessFor(mode), ShareFor(share), nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    throw Exception("Cannot open file \"" + path + "\": " + win32::LastErrorText());
  }
  return std::make_unique<WinFile>(path, handle);
}

// FILE_FLAG_DELETE_ON_CLOSE removes the file when its handle is closed, also when the process
// ends without closing it.
std::unique_ptr<File> OpenTemporaryFile() {
  char dir[MAX_PATH + 1];
  char name[MAX_PATH + 1];
  const DWORD length = GetTempPathA(sizeof dir, dir);
  if (length == 0 || length > MAX_PATH || GetTempFileNameA(dir, "cdr", 0, name) == 0) {
    throw Exception("Cannot create a temporary file: " + win32::LastErrorText());
  }
  HANDLE handle = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const std::string reason = win32::LastErrorText();
    ::DeleteFileA(name);
    throw Exception("Cannot open file \"" + std::string(name) + "\": " + reason);
  }
  return std::make_unique<WinFile>(name, handle);
}

}  // namespace cd::os
