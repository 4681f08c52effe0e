// A stream over a byte buffer in memory.
#include "streams/memory_stream.h"

#include <algorithm>
#include <cstring>

#include "base/exceptions.h"
#include "platform/files.h"

namespace cd {

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t size = Size();
  if (count <= 0 || position_ >= size) return 0;
  const int64_t n = std::min(count, size - position_);
  std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (position_ == Size()) {
    // Growing at the end, the usual case: the bytes go in once, with no zeros before them.
    data_.append(static_cast<const char*>(buffer), static_cast<size_t>(count));
    position_ += count;
    return count;
  }
  const int64_t end = position_ + count;
  if (end > Size()) data_.resize(static_cast<size_t>(end));
  std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = position_;
  if (origin == TSeekOrigin::soEnd) base = Size();
  const int64_t target = base + offset;
  if (target < 0) throw EStreamError("Invalid stream position");
  position_ = target;
  return position_;
}

void TMemoryStream::SetSize(int64_t newSize) {
  if (newSize < 0) throw EStreamError("Invalid stream size");
  data_.resize(static_cast<size_t>(newSize));
  position_ = std::min(position_, newSize);
}

int64_t TMemoryStream::CopyInto(os::File& target, int64_t count) {
  const int64_t size = Size();
  if (count <= 0 || position_ >= size) return 0;
  const int64_t n = std::min(count, size - position_);
  target.Write(data_.data() + position_, n);
  position_ += n;
  return n;
}

std::string TMemoryStream::TakeData() {
  position_ = 0;
  return std::move(data_);
}

}  // namespace cd
