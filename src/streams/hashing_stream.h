// THashingStream: reads another stream and takes every byte into a SHA-256 digest once and in
// order, the first time a read passes it, so that a copy or an unpacking through it hashes
// the bytes as it reads them and a file is not read a second time for its digest. Where the
// background is allowed, the hash worker thread hashes while the caller goes on: a stream
// larger than a block that is copied into a file from its start is read block by block
// straight into the worker's memory and written from there, and the large blocks that an
// unpacking reads are handed over as they are read, to be hashed while they are unpacked.
// Other readings hash on the caller's thread: small pieces would wait for the worker as long
// as they take to hash.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/sha256.h"
#include "streams/background_sha256.h"
#include "streams/stream.h"

namespace cd {

class THashingStream : public TStream {
 public:
  // Takes over inner at its position; its bytes are hashed from its start (those before the
  // position when the first read comes); inBackground allows the hash worker.
  explicit THashingStream(std::unique_ptr<TStream> inner, bool inBackground = false);

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void*, int64_t) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return inner_->Size(); }
  int64_t CopyInto(os::File& target, int64_t count) override;

  // The digest of the whole stream, as large as it was when its size was first needed: what
  // no read has passed yet is read (and hashed) first; the position stays where it was.
  // Called once, at the end of the reading.
  os::Sha256Digest Digest();

 private:
  // Reads of this many bytes or more are hashed in the background where it is allowed.
  static constexpr int64_t kLargeRead = 16 * 1024;

  // Hashes on the worker from here on, where allowed, the stream is larger than minimumSize and
  // nothing is hashed yet.
  void StartBackground(int64_t minimumSize);
  // Hashes the bytes from hashed_ up to end (to the end of the stream when end is negative),
  // reading them and going back to position_ afterwards.
  void HashUpTo(int64_t end);
  void Hash(const void* data, size_t size);
  // The inner stream's size, asked once: a copy takes what the stream held then, and the
  // digest needs no read that would only find the end.
  int64_t KnownSize();

  std::unique_ptr<TStream> inner_;
  os::Sha256 hasher_;
  const bool inBackground_;
  std::unique_ptr<TBackgroundSha256> background_;  // instead of hasher_ when set
  int64_t position_ = 0;
  int64_t hashed_ = 0;  // the bytes before this offset are in the digest
  int64_t size_ = -1;   // KnownSize's answer, once asked
};

}  // namespace cd
