// THashWorker: the one thread of the process that hashes the blocks of background digests
// (TBackgroundSha256), each digest's blocks in the order they were handed over, and the blocks
// not in use. It lives as long as the process: its thread waits for work and is never joined,
// so no digest outlives it.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/sha256.h"

namespace cd {

struct THashBlock;

// What the worker keeps of one digest: the hasher it alone uses while blocks are in flight,
// their number, the first failure of the hasher, and the blocks hashed since the digest last
// took one. A hashed block goes back to its own digest rather than to the spare ones, so that
// the digest's caller may still be reading it (writing it out) after handing it over: nobody
// else fills it before that caller takes a block again or waits for the digest.
struct THashLane {
  os::Sha256 hasher;
  std::atomic<size_t> inFlight{0};                // changed under the worker's lock
  std::exception_ptr failure;                     // under the worker's lock
  std::vector<std::unique_ptr<THashBlock>> done;  // under the worker's lock
};

struct THashBlock {
  static constexpr size_t kSize = 64 * 1024;
  char data[kSize];
  size_t size = 0;
  THashLane* lane = nullptr;
};

class THashWorker {
 public:
  static THashWorker& Shared();

  // An empty block for lane, once fewer than inFlightLimit of its blocks are in flight; a
  // block of lane's that is hashed already comes first.
  std::unique_ptr<THashBlock> Take(THashLane& lane, size_t inFlightLimit);
  // Hands a filled block over; it is hashed after the lane's earlier ones. Its bytes stay as
  // they are until the lane's next Take or WaitHashed.
  void Submit(std::unique_ptr<THashBlock> block);
  // Takes back a block that is not to be hashed.
  void Give(std::unique_ptr<THashBlock> block);
  // Waits until every block of lane is hashed; returns (and clears) the lane's failure. The
  // lane's blocks become spare ones.
  std::exception_ptr WaitHashed(THashLane& lane);

 private:
  // Spare blocks beyond these are freed.
  static constexpr size_t kSpareBlocks = 8;
  // How long a wait polls before it sleeps. Between the blocks of a copied file and from one
  // copied file to the next the other side is usually back within this time, and a poll
  // answers at once where a sleeping thread takes tens of microseconds to wake; an unpacking
  // hands over a block far less often, and a longer poll would only burn the other core.
  static constexpr std::chrono::microseconds kPolling{100};

  THashWorker();
  void Run();
  void Keep(std::unique_ptr<THashBlock> block);
  template <typename Ready>
  static void PollUntil(Ready ready);

  std::mutex mutex_;
  std::condition_variable filled_;
  std::condition_variable hashed_;
  std::deque<std::unique_ptr<THashBlock>> queue_;
  std::atomic<size_t> queued_{0};  // queue_'s length, for polling without the lock
  std::vector<std::unique_ptr<THashBlock>> spare_;
};

}  // namespace cd
