// TBackgroundSha256: a SHA-256 digest whose bytes are hashed on the hash worker thread
// (THashWorker) while the caller goes on copying, so that checking a file as it is copied costs
// little more wall time than the copy. A digest has at most a few blocks in flight and waits
// only for its own, so memory stays bounded and digests never wait for each other.
#pragma once

#include <cstddef>
#include <memory>

#include "platform/sha256.h"
#include "streams/hash_worker.h"

namespace cd {

class TBackgroundSha256 {
 public:
  static constexpr size_t kBlockSize = THashBlock::kSize;
  // Blocks handed over and not yet hashed, besides the one being filled.
  static constexpr size_t kBlocksInFlight = 2;

  TBackgroundSha256() = default;
  // Waits until the worker is done with this digest's blocks.
  ~TBackgroundSha256();
  TBackgroundSha256(const TBackgroundSha256&) = delete;
  TBackgroundSha256& operator=(const TBackgroundSha256&) = delete;

  // Room for the next bytes: a pointer to at least one free byte of the block being filled,
  // room set to how many; waits for a block when kBlocksInFlight are in flight.
  char* Reserve(size_t& room);
  // The first count bytes of the room Reserve gave are part of the digest now.
  void Commit(size_t count);
  // Copies size bytes into the digest.
  void Update(const void* data, size_t size);
  // Hands the bytes given so far to the worker now instead of once their block is full, so
  // that they are hashed while the caller works on them.
  void Submit();
  // The digest of every byte given, after the worker has hashed them all. A failure of the
  // system's hasher on the worker is raised here.
  os::Sha256Digest Finish();

 private:
  THashLane lane_;
  std::unique_ptr<THashBlock> filling_;  // the block being filled, if any
};

}  // namespace cd
