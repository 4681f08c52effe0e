// THashingStream: reads another stream and takes every byte into a SHA-256 digest once and in
// order, the first time a read passes it, so that a copy or an unpacking through it hashes
// the bytes as it reads them and a file is not read a second time for its digest.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/sha256.h"
#include "streams/stream.h"

namespace cd {

class THashingStream : public TStream {
 public:
  // Takes over inner at its position; its bytes are hashed from its start (those before the
  // position when the first read comes).
  explicit THashingStream(std::unique_ptr<TStream> inner);

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void*, int64_t) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return inner_->Size(); }

  // The digest of the whole stream: what no read has passed yet is read (and hashed) first;
  // the position stays where it was. Called once, at the end of the reading.
  os::Sha256Digest Digest();

 private:
  // Hashes the bytes from hashed_ up to end (to the end of the stream when end is negative),
  // reading them and going back to position_ afterwards.
  void HashUpTo(int64_t end);

  std::unique_ptr<TStream> inner_;
  os::Sha256 hasher_;
  int64_t position_ = 0;
  int64_t hashed_ = 0;  // the bytes before this offset are in the digest
};

}  // namespace cd
