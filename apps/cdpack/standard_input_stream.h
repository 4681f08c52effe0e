// Standard input as a stream that only goes forward, so that a pipe of any length is read in
// blocks instead of whole. What Peek looks at is kept until it is read.
#pragma once

#include <vector>

#include "streams/stream.h"

namespace cd::cdpack {

class TStandardInputStream : public TStream {
 public:
  // Fills the whole count unless the input ends first.
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  // Only forward from the position: a skip is a read.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Peek(void* buffer, int64_t count) override;

 private:
  // Reads into buffer from the input itself, past what was peeked.
  int64_t ReadInput(char* buffer, int64_t count);

  std::vector<char> ahead_;
  size_t aheadUsed_ = 0;
  int64_t position_ = 0;
};

}  // namespace cd::cdpack
