// Copying between open files through a buffer in memory.
#include "base/buffered_copy.h"
#include "platform/files.h"

namespace cd::os {

int64_t File::CopyFrom(File& source, int64_t count) {
  return CopyThroughBuffer(
      count, [&](char* buffer, int64_t n) { return source.Read(buffer, n); },
      [&](const char* buffer, int64_t n) { Write(buffer, n); });
}

}  // namespace cd::os
