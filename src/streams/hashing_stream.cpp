// THashingStream: a read-only view that hashes each byte the first time it is read.
#include "streams/hashing_stream.h"

#include <algorithm>

#include "base/exceptions.h"
#include "platform/files.h"

namespace cd {

THashingStream::THashingStream(std::unique_ptr<TStream> inner, bool inBackground)
    : inner_(std::move(inner)), inBackground_(inBackground), position_(inner_->Position()) {}

int64_t THashingStream::Read(void* buffer, int64_t count) {
  // An unpacking works on its input block long after reading it, so even one block gains.
  if (count >= kLargeRead) StartBackground(kLargeRead);
  // A seek may have skipped bytes: they are read once to keep the digest in order.
  if (position_ > hashed_) HashUpTo(position_);
  const int64_t n = inner_->Read(buffer, count);
  if (n <= 0) return n;
  const int64_t end = position_ + n;
  if (end > hashed_ && hashed_ >= position_) {
    const int64_t skip = hashed_ - position_;
    Hash(static_cast<const char*>(buffer) + skip, static_cast<size_t>(n - skip));
    hashed_ = end;
    // A large read is worked on for a while (an unpacking's input block): its bytes are
    // hashed meanwhile.
    if (background_ && count >= kLargeRead) background_->Submit();
  }
  position_ = end;
  return n;
}

void THashingStream::StartBackground(int64_t minimumSize) {
  if (inBackground_ && !background_ && hashed_ == 0 && KnownSize() > minimumSize)
    background_ = std::make_unique<TBackgroundSha256>();
}

int64_t THashingStream::CopyInto(os::File& target, int64_t count) {
  count = std::min(count, KnownSize() - position_);
  if (count <= 0) return 0;
  // A copy of one block would wait for the worker about as long as hashing it takes.
  StartBackground(static_cast<int64_t>(TBackgroundSha256::kBlockSize));
  if (!background_ || position_ != hashed_) return TStream::CopyInto(target, count);
  int64_t done = 0;
  while (done < count) {
    size_t room = 0;
    char* block = background_->Reserve(room);
    const int64_t n =
        inner_->Read(block, std::min<int64_t>(static_cast<int64_t>(room), count - done));
    if (n <= 0) break;
    // Handed over before it is written, so that the worker hashes it meanwhile and the
    // last block's hash does not wait for its write; the worker leaves it as it is until the
    // next Reserve. Should the write fail, the copy fails with it.
    background_->Commit(static_cast<size_t>(n));
    background_->Submit();
    position_ += n;
    hashed_ = position_;
    target.Write(block, n);
    done += n;
  }
  return done;
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
    Hash(buffer, static_cast<size_t>(n));
    hashed_ += n;
  }
  inner_->SetPosition(position_);
}

void THashingStream::Hash(const void* data, size_t size) {
  if (background_) {
    background_->Update(data, size);
  } else {
    hasher_.Update(data, size);
  }
}

os::Sha256Digest THashingStream::Digest() {
  if (hashed_ < KnownSize()) HashUpTo(-1);
  return background_ ? background_->Finish() : hasher_.Finish();
}

int64_t THashingStream::KnownSize() {
  if (size_ < 0) size_ = inner_->Size();
  return size_;
}

}  // namespace cd
