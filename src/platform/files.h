// Files and directories as the core sees them: Windows paths ("C:\dir\file"), share modes,
// file dates in the packed DOS form of local time. Each platform implements this contract.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace cd::os {

// Create truncates or makes the file; CreateNew only makes one and fails when the name exists.
enum class OpenMode { Read, Write, ReadWrite, Create, CreateNew };
enum class ShareMode { Compat, Exclusive, DenyWrite, DenyRead, DenyNone };

// An open file. Failures raise cd::Exception naming the file and the system's reason.
class File {
 public:
  virtual ~File() = default;
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, int origin) = 0;  // origin 0 begin, 1 current, 2 end
  virtual void Truncate() = 0;                           // cuts the file at the position
  virtual int64_t Size() = 0;
  // The size the file had when it was opened, where the platform learnt it then; otherwise
  // Size(). For a reader that takes a file's size once, right after opening it.
  virtual int64_t OpenedSize() { return Size(); }
  // Reads up to count bytes at offset without moving the position; returns how many.
  virtual int64_t ReadAt(int64_t offset, void* buffer, int64_t count) = 0;
  // Sets the date (packed DOS date-time of local time); false, with the date unchanged, when
  // the value is not a valid date and time or the system refuses.
  virtual bool SetDate(int32_t dosDateTime) = 0;
  // Copies up to count bytes from source's position to this file's position, moving both;
  // returns how many were copied (fewer only at the end of source). The default goes through
  // a buffer; a platform may copy inside the system.
  virtual int64_t CopyFrom(File& source, int64_t count);
};

std::unique_ptr<File> OpenFile(const std::string& path, OpenMode mode, ShareMode share);
// A new empty file for reading and writing in the system's folder for temporary files, which
// no other program opens by name and which is gone once closed (on POSIX also when the
// process is killed). A failure raises cd::Exception naming the folder and the reason.
std::unique_ptr<File> OpenTemporaryFile();

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates every missing level; an empty path fails with "Unable to create directory", a level
// that cannot be created fails naming the path and the reason.
void ForceDirectories(const std::string& path);
// False when the file cannot be deleted or renamed (missing, a directory, open, read-only
// folder). RenameFile replaces an existing target.
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);
// RenameFile for a file this process wrote and has closed: the caller vouches that it is no
// longer open, which spares asking.
bool PutInPlace(const std::string& from, const std::string& to);
// Why the last DeleteFile, RenameFile or PutInPlace of this thread that returned false was
// refused, in words a user can act on (kFileReadOnly, kFileInUse, the system's reason).
std::string LastRefusal();
inline constexpr const char* kFileReadOnly = "the file is read-only";
inline constexpr const char* kFileInUse = "the file is in use by another program";
inline constexpr const char* kNoSuchDrive = "the drive does not exist";
int64_t FileSize(const std::string& path);  // -1 when missing

// Reads or writes a whole file at once.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& data);

// File date as the packed DOS date-time of local time (high word date, low word time);
// -1 when the file is missing, is a directory, or its date does not fit the DOS form.
int32_t FileAge(const std::string& path);
// Opens the file for writing and sets its date; false, with the date unchanged, when the
// file cannot be opened for writing or the value is not a valid date and time.
bool SetFileDate(const std::string& path, int32_t dosDateTime);

// Names of the entries (files and folders) of a directory matching a mask with "*" and "?"
// (no "." or ".."), sorted by byte value; empty when the directory cannot be read.
std::vector<std::string> ListDirectory(const std::string& dir, const std::string& mask);

// The full Windows path of the running program ("C:\cd\cdrun.exe") and its folder with a
// trailing backslash.
std::string ProgramPath();
std::string ProgramFolder();

// On POSIX: the host path that a Windows path maps to through the drive map (see
// drive_map.h; fails for an unmapped drive); on Windows the path itself.
std::string HostPath(const std::string& path);

}  // namespace cd::os
