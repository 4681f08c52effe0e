// Copying between open files through a buffer in memory.
#include "platform/files.h"
#include "util/buffered_copy.h"

namespace cd::os {

int64_t File::CopyFrom(File& source, int64_t count) {
  return CopyThroughBuffer(
      count, [&](char* buffer, int64_t n) { return source.Read(buffer, n); },
      [&](const char* buffer, int64_t n) { Write(buffer, n); });
}

}  // namespace cd::os
