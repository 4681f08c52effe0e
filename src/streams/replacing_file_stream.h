// A stream that writes a new version of a file beside it and puts it in the file's place only
// when complete, so that a failure leaves the file as it was and no half-written one.
#pragma once

#include <cstdint>
#include <string>

#include "platform/replace_file.h"
#include "streams/stream.h"

namespace cd {

class TReplacingFileStream : public TStream {
 public:
  // Creates the new file beside fileName; a failure names fileName.
  explicit TReplacingFileStream(const std::string& fileName) : replacement_(fileName) {}

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return replacement_.File().Size(); }

  // Puts the new file in place. Destroyed without it, the stream removes the new file.
  void Commit() { replacement_.Commit(); }

 private:
  os::ReplacementFile replacement_;
};

}  // namespace cd
