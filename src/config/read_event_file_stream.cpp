// Reads pass to the file stream; the handler hears of each one.
#include "config/read_event_file_stream.h"

namespace cd {

TReadEventFileStream::TReadEventFileStream(const std::string& name, intptr_t userValue,
                                           TLoadProgressEvent onProgress)
    : TFileStream(name, os::OpenMode::Read, os::ShareMode::DenyRead),
      userValue_(userValue),
      onProgress_(std::move(onProgress)) {}

int64_t TReadEventFileStream::Read(void* buffer, int64_t count) {
  const int64_t n = TFileStream::Read(buffer, count);
  if (onProgress_) onProgress_(Position(), Size(), userValue_);
  return n;
}

}  // namespace cd
