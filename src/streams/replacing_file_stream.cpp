// A stream over the new version of a file.
#include "streams/replacing_file_stream.h"

namespace cd {

int64_t TReplacingFileStream::Read(void* buffer, int64_t count) {
  return count <= 0 ? 0 : replacement_.File().Read(buffer, count);
}

int64_t TReplacingFileStream::Write(const void* buffer, int64_t count) {
  return count <= 0 ? 0 : replacement_.File().Write(buffer, count);
}

int64_t TReplacingFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  return replacement_.File().Seek(offset, static_cast<int>(origin));
}

}  // namespace cd
