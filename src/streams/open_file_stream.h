// TOpenFileStream: a stream over a file that is already open and that the caller keeps owning
// (a replacement file being written, a temporary file).
#pragma once

#include "platform/files.h"
#include "streams/stream.h"

namespace cd {

class TOpenFileStream : public TStream {
 public:
  explicit TOpenFileStream(os::File& file) : file_(file) {}

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return file_.Size(); }
  int64_t Peek(void* buffer, int64_t count) override;
  // The system copies the bytes from this file into target where it can.
  int64_t CopyInto(os::File& target, int64_t count) override;

 private:
  os::File& file_;
};

}  // namespace cd
