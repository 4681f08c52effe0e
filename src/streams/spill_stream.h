// TSpillStream: a stream that keeps its bytes in memory while they are few and moves them to
// a temporary file once they pass a threshold, so that data of any size is held in bounded
// memory. The file is gone when the stream is destroyed.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/files.h"
#include "streams/memory_stream.h"
#include "streams/open_file_stream.h"
#include "streams/stream.h"

namespace cd {

class TSpillStream : public TStream {
 public:
  // Up to threshold bytes stay in memory.
  explicit TSpillStream(int64_t threshold);

  int64_t Read(void* buffer, int64_t count) override { return active_->Read(buffer, count); }
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override { return active_->Seek(offset, origin); }
  int64_t Size() override { return active_->Size(); }
  int64_t Peek(void* buffer, int64_t count) override { return active_->Peek(buffer, count); }
  int64_t CopyInto(os::File& target, int64_t count) override {
    return active_->CopyInto(target, count);
  }

  // Whether the bytes have moved to the temporary file.
  bool Spilled() const { return file_ != nullptr; }

 private:
  void Spill();

  int64_t threshold_;
  TMemoryStream memory_;
  std::unique_ptr<os::File> file_;
  std::unique_ptr<TOpenFileStream> fileStream_;
  TStream* active_;
};

}  // namespace cd
