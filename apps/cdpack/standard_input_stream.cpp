// Standard input read forward in blocks.
#include "standard_input_stream.h"

#include <algorithm>
#include <cstring>

#include "base/exceptions.h"
#include "platform/std_streams.h"

namespace cd::cdpack {

int64_t TStandardInputStream::ReadInput(char* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const size_t got = os::ReadStandardInput(buffer + done, static_cast<size_t>(count - done));
    if (got == 0) break;
    done += static_cast<int64_t>(got);
  }
  return done;
}

int64_t TStandardInputStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  auto* out = static_cast<char*>(buffer);
  const int64_t kept = std::min<int64_t>(count, static_cast<int64_t>(ahead_.size() - aheadUsed_));
  std::memcpy(out, ahead_.data() + aheadUsed_, static_cast<size_t>(kept));
  aheadUsed_ += static_cast<size_t>(kept);
  if (aheadUsed_ == ahead_.size()) {
    ahead_.clear();
    aheadUsed_ = 0;
  }
  const int64_t read = kept + ReadInput(out + kept, count - kept);
  position_ += read;
  return read;
}

int64_t TStandardInputStream::Write(const void*, int64_t) {
  throw EWriteError("Standard input cannot be written");
}

int64_t TStandardInputStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t target = origin == TSeekOrigin::soCurrent     ? position_ + offset
                         : origin == TSeekOrigin::soBeginning ? offset
                                                              : -1;
  if (target < position_) throw EStreamError("Standard input can only be read forward");
  char skipped[4096];
  while (position_ < target) {
    if (Read(skipped, std::min<int64_t>(target - position_, sizeof skipped)) == 0) break;
  }
  return position_;
}

int64_t TStandardInputStream::Peek(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const auto kept = static_cast<int64_t>(ahead_.size() - aheadUsed_);
  if (kept < count) {
    const size_t had = ahead_.size();
    ahead_.resize(had + static_cast<size_t>(count - kept));
    ahead_.resize(had + static_cast<size_t>(ReadInput(ahead_.data() + had, count - kept)));
  }
  const int64_t n = std::min<int64_t>(count, static_cast<int64_t>(ahead_.size() - aheadUsed_));
  std::memcpy(buffer, ahead_.data() + aheadUsed_, static_cast<size_t>(n));
  return n;
}

}  // namespace cd::cdpack
