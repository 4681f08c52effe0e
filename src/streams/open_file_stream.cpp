// TOpenFileStream: reads, writes and seeks go to the open file.
#include "streams/open_file_stream.h"

namespace cd {

int64_t TOpenFileStream::Read(void* buffer, int64_t count) {
  return count <= 0 ? 0 : file_.Read(buffer, count);
}

int64_t TOpenFileStream::Write(const void* buffer, int64_t count) {
  return count <= 0 ? 0 : file_.Write(buffer, count);
}

int64_t TOpenFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  return file_.Seek(offset, static_cast<int>(origin));
}

int64_t TOpenFileStream::Peek(void* buffer, int64_t count) {
  return count <= 0 ? 0 : file_.ReadAt(Position(), buffer, count);
}

int64_t TOpenFileStream::CopyInto(os::File& target, int64_t count) {
  return count <= 0 ? 0 : target.CopyFrom(file_, count);
}

}  // namespace cd
