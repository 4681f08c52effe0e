// A file opened for reading whose every read reports progress: the position after the read,
// the size of the file and the caller's value.
#pragma once

#include <cstdint>
#include <string>

#include "streams/file_stream.h"
#include "util/url_loader.h"

namespace cd {

class TReadEventFileStream : public TFileStream {
 public:
  // Opens name read-only; while it is open other processes may write the file but not read
  // it. Failures of the file system pass on unchanged.
  TReadEventFileStream(const std::string& name, intptr_t userValue, TLoadProgressEvent onProgress);

  int64_t Read(void* buffer, int64_t count) override;

 private:
  intptr_t userValue_;
  TLoadProgressEvent onProgress_;
};

}  // namespace cd
