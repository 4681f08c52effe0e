// A stream over a growable byte buffer in memory.
#pragma once

#include <string>

#include "streams/stream.h"

namespace cd {

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string data) : data_(std::move(data)) {}

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(data_.size()); }
  void SetSize(int64_t newSize) override;
  // Writes straight from the buffer.
  int64_t CopyInto(os::File& target, int64_t count) override;

  const std::string& Data() const { return data_; }
  std::string TakeData();

 private:
  std::string data_;
  int64_t position_ = 0;
};

}  // namespace cd
