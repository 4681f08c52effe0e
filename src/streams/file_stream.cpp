// A stream over a file of the platform layer.
#include "streams/file_stream.h"

#include <algorithm>

namespace cd {

TFileStream::TFileStream(const std::string& fileName, os::OpenMode mode, os::ShareMode share)
    : fileName_(fileName), file_(os::OpenFile(fileName, mode, share)) {}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const int64_t n = file_->Read(buffer, count);
  position_ += n;
  return n;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const int64_t n = file_->Write(buffer, count);
  position_ += n;
  return n;
}

int64_t TFileStream::CopyInto(os::File& target, int64_t count) {
  if (count <= 0) return 0;
  const int64_t n = target.CopyFrom(*file_, count);
  position_ += n;
  return n;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::soBeginning:
      position_ = file_->Seek(offset, 0);
      break;
    case TSeekOrigin::soCurrent:
      if (offset != 0) position_ = file_->Seek(offset, 1);
      break;
    case TSeekOrigin::soEnd:
      position_ = file_->Seek(offset, 2);
      break;
  }
  return position_;
}

void TFileStream::SetSize(int64_t newSize) {
  const int64_t pos = position_;
  Seek(newSize, TSeekOrigin::soBeginning);
  file_->Truncate();
  Seek(std::min(pos, newSize), TSeekOrigin::soBeginning);
}

}  // namespace cd
