// A stream over a file of the platform layer, opened with an access and a share mode.
#pragma once

#include <memory>
#include <string>

#include "platform/files.h"
#include "streams/stream.h"

namespace cd {

class TFileStream : public TStream {
 public:
  // Opens (or with os::OpenMode::Create, creates or empties) the named file; a failure raises
  // the platform's exception naming the file.
  TFileStream(const std::string& fileName, os::OpenMode mode,
              os::ShareMode share = os::ShareMode::Compat);

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  // Moves the end of the file to newSize; the position stays unless it was beyond.
  void SetSize(int64_t newSize) override;
  int64_t Size() override { return file_->Size(); }
  int64_t OpenedSize() { return file_->OpenedSize(); }
  int64_t Peek(void* buffer, int64_t count) override {
    return count <= 0 ? 0 : file_->ReadAt(position_, buffer, count);
  }
  // The system copies the bytes from this file into target.
  int64_t CopyInto(os::File& target, int64_t count) override;

  const std::string& FileName() const { return fileName_; }

 private:
  std::string fileName_;
  std::unique_ptr<os::File> file_;
  int64_t position_ = 0;  // the file's own position, kept here to spare the system the asking
};

}  // namespace cd
