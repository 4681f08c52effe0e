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
  ~PosixFile() override;
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, int origin) override;
  void Truncate() override;
  int Descriptor() const { return fd_; }

 private:
  PosixFile(std::string name, int fd, uint64_t shareToken)
      : name_(std::move(name)), fd_(fd), shareToken_(shareToken) {}
  [[noreturn]] void Fail(const char* action) const;

  std::string name_;
  int fd_;
  uint64_t shareToken_;
};

// The system's text for an errno value.
std::string SystemReason(int error);
// Whether a Windows file name names a program (".exe", ".com", ".bat"), which is created
// executable on the host.
bool IsWindowsProgramName(const std::string& name);

}  // namespace cd::os::posix
