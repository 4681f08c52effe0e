// A stream over a file of the platform layer.
#include "streams/file_stream.h"

#include <algorithm>

namespace cd {

TFileStream::TFileStream(const std::string& fileName, os::OpenMode mode, os::ShareMode share)
    : fileName_(fileName), file_(os::OpenFile(fileName, mode, share)) {}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  return count <= 0 ? 0 : file_->Read(buffer, count);
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  return count <= 0 ? 0 : file_->Write(buffer, count);
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::soBeginning:
      return file_->Seek(offset, 0);
    case TSeekOrigin::soCurrent:
      return file_->Seek(offset, 1);
    case TSeekOrigin::soEnd:
      return file_->Seek(offset, 2);
  }
  return file_->Seek(0, 1);
}

void TFileStream::SetSize(int64_t newSize) {
  const int64_t pos = Seek(0, TSeekOrigin::soCurrent);
  Seek(newSize, TSeekOrigin::soBeginning);
  file_->Truncate();
  Seek(std::min(pos, newSize), TSeekOrigin::soBeginning);
}

}  // namespace cd
