// TBackgroundSha256: a SHA-256 digest whose bytes are hashed on a worker thread while the
// caller goes on copying, so that checking a file as it is copied costs little more wall time
// than the copy. One worker thread serves every such digest of the process and hashes each
// digest's blocks in the order they were filled; a digest has at most a few blocks in flight
// and waits only for its own, so memory stays bounded and digests never wait for each other.
#pragma once

#include <atomic>
#include <cstddef>
#include <exception>
#include <memory>
#include <vector>

#include "platform/sha256.h"

namespace cd {

class TBackgroundSha256 {
 public:
  static constexpr size_t kBlockSize = 64 * 1024;
  static constexpr size_t kBlocksInFlight = 3;
  struct TBlock;

  TBackgroundSha256();
  // Waits until the worker is done with this digest's blocks.
  ~TBackgroundSha256();
  TBackgroundSha256(const TBackgroundSha256&) = delete;
  TBackgroundSha256& operator=(const TBackgroundSha256&) = delete;

  // Room for the next bytes: a pointer to at least one free byte of the block being filled,
  // room set to how many; waits for a block of its own when all are in flight.
  char* Reserve(size_t& room);
  // The first count bytes of the room Reserve gave are part of the digest now.
  void Commit(size_t count);
  // Copies size bytes into the digest.
  void Update(const void* data, size_t size);
  // The digest of every byte given, after the worker has hashed them all. A failure of the
  // system's hasher on the worker is raised here.
  os::Sha256Digest Finish();

 private:
  class TWorker;

  // Hands the block being filled to the worker, when it holds any bytes.
  void SubmitFilled();

  os::Sha256 hasher_;                // used by the worker only, up to Finish
  std::unique_ptr<TBlock> filling_;  // the block being filled, if any
  std::atomic<size_t> inFlight_{0};  // blocks handed over and not yet hashed; worker's lock
  std::exception_ptr failure_;       // the worker's failure, if any; worker's lock
};

}  // namespace cd
