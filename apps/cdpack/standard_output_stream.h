// Standard output as a stream written in the blocks it is given; write failures are output
// failures.
#pragma once

#include "streams/stream.h"

namespace cd::cdpack {

class TStandardOutputStream : public TStream {
 public:
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  // Only the position can be asked for.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

 private:
  int64_t position_ = 0;
};

}  // namespace cd::cdpack
