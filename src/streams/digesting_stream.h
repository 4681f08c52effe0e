// TDigestingStream: writes through to another stream and takes every byte into a SHA-256
// digest as it goes, so that a file being written has its digest without being read again.
#pragma once

#include <cstdint>

#include "platform/sha256.h"
#include "streams/stream.h"

namespace cd {

class TDigestingStream : public TStream {
 public:
  // Writes go to inner (not owned), appended at its position.
  explicit TDigestingStream(TStream& inner) : inner_(inner) {}

  // Reading is refused (EReadError): the stream only writes.
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  // Only asks for the position: a move would leave the digest unlike the bytes (EStreamError).
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return inner_.Size(); }

  // The digest of every byte written so far; called once, when the writing is done.
  os::Sha256Digest Digest() { return hasher_.Finish(); }
  // How many bytes the inner stream took: a new file written only through this stream is that
  // large, without asking the system.
  int64_t PassedOn() const { return passedOn_; }

 private:
  TStream& inner_;
  os::Sha256 hasher_;
  int64_t passedOn_ = 0;
};

}  // namespace cd
