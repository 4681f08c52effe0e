// The POSIX open file: a descriptor with its share-mode registration. Internal to the layer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/files.h"

namespace cd::os::posix {

class PosixFile : public File {
 public:
  // Opens the host file; name is the caller's (Windows) name for messages. Raises
  // cd::Exception naming the file and the reason on failure.
  static std::unique_ptr<PosixFile> Open(const std::string& name, const std::string& host,
                                         OpenMode mode, ShareMode share);
  // The same for an existing file (not a creating mode); nothing when the host path names
  // nothing.
  static std::unique_ptr<PosixFile> OpenIfThere(const std::string& name, const std::string& host,
                                                OpenMode mode, ShareMode share);
  // A file without a name in the host folder dir, removed by the system once closed.
  static std::unique_ptr<PosixFile> OpenNameless(const std::string& dir);
  ~PosixFile() override;
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, int origin) override;
  void Truncate() override;
  int64_t Size() override;
  int64_t OpenedSize() override { return openedSize_; }
  int64_t ReadAt(int64_t offset, void* buffer, int64_t count) override;
  bool SetDate(int32_t dosDateTime) override;
  // Between two regular files the system copies the bytes itself, without a buffer here.
  int64_t CopyFrom(File& source, int64_t count) override;
  int Descriptor() const { return fd_; }

 private:
  PosixFile(std::string name, int fd, uint64_t shareToken, bool regular, int64_t openedSize)
      : name_(std::move(name)),
        fd_(fd),
        shareToken_(shareToken),
        regular_(regular),
        openedSize_(openedSize) {}
  // Takes an open descriptor: checks it is no folder and registers the share claim.
  static std::unique_ptr<PosixFile> Adopt(const std::string& name, const std::string& host, int fd,
                                          OpenMode mode, ShareMode share);
  [[noreturn]] void Fail(const char* action) const;

  std::string name_;
  int fd_;
  uint64_t shareToken_;
  bool regular_;
  int64_t openedSize_;  // from the look at the opened file that its share claim needs
};

// The system's text for an errno value.
std::string SystemReason(int error);
// Whether a Windows file name names a program (".exe", ".com", ".bat"), which is created
// executable on the host.
bool IsWindowsProgramName(const std::string& name);

}  // namespace cd::os::posix
