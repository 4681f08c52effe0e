// THashingStream: a read-only view that hashes each byte the first time it is read.
#include "streams/hashing_stream.h"

#include <algorithm>

#include "base/exceptions.h"

namespace cd {

THashingStream::THashingStream(std::unique_ptr<TStream> inner)
    : inner_(std::move(inner)), position_(inner_->Position()) {}

int64_t THashingStream::Read(void* buffer, int64_t count) {
  // A seek may have skipped bytes: they are read once to keep the digest in order.
  if (position_ > hashed_) HashUpTo(position_);
  const int64_t n = inner_->Read(buffer, count);
  if (n <= 0) return n;
  const int64_t end = position_ + n;
  if (end > hashed_ && hashed_ >= position_) {
    const int64_t skip = hashed_ - position_;
    hasher_.Update(static_cast<const char*>(buffer) + skip, static_cast<size_t>(n - skip));
    hashed_ = end;
  }
  position_ = end;
  return n;
}

int64_t THashingStream::Write(const void*, int64_t) {
  throw EWriteError("Stream write error");
}

int64_t THashingStream::Seek(int64_t offset, TSeekOrigin origin) {
  position_ = inner_->Seek(offset, origin);
  return position_;
}

void THashingStream::HashUpTo(int64_t end) {
  inner_->SetPosition(hashed_);
  char buffer[65536];
  while (end < 0 || hashed_ < end) {
    const int64_t want =
        end < 0 ? int64_t{sizeof buffer} : std::min<int64_t>(sizeof buffer, end - hashed_);
    const int64_t n = inner_->Read(buffer, want);
    if (n <= 0) break;
    hasher_.Update(buffer, static_cast<size_t>(n));
    hashed_ += n;
  }
  inner_->SetPosition(position_);
}

os::Sha256Digest THashingStream::Digest() {
  HashUpTo(-1);
  return hasher_.Finish();
}

}  // namespace cd
