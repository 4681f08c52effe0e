// TBackgroundSha256: blocks filled by the caller, hashed in order by one shared worker thread.
#include "streams/background_sha256.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace cd {

struct TBackgroundSha256::TBlock {
  char data[kBlockSize];
  size_t size = 0;
  TBackgroundSha256* owner = nullptr;
};

// The worker thread and the blocks not in use. It lives as long as the process: its thread
// waits for work and is never joined, so no digest outlives it.
class TBackgroundSha256::TWorker {
 public:
  static TWorker& Shared() {
    static TWorker* const worker = new TWorker;
    return *worker;
  }

  // A block for owner to fill, once fewer than kBlocksInFlight - 1 of its blocks wait.
  std::unique_ptr<TBlock> Take(TBackgroundSha256& owner) {
    std::unique_lock<std::mutex> lock(mutex_);
    hashed_.wait(lock, [&] { return owner.inFlight_ + 1 < kBlocksInFlight; });
    std::unique_ptr<TBlock> block;
    if (spare_.empty()) {
      block = std::make_unique<TBlock>();
    } else {
      block = std::move(spare_.back());
      spare_.pop_back();
    }
    block->size = 0;
    block->owner = &owner;
    return block;
  }

  void Submit(std::unique_ptr<TBlock> block) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      ++block->owner->inFlight_;
      queue_.push_back(std::move(block));
      ++queued_;
    }
    filled_.notify_one();
  }

  void Give(std::unique_ptr<TBlock> block) {
    std::lock_guard<std::mutex> lock(mutex_);
    Keep(std::move(block));
  }

  // Waits until every block owner handed over is hashed; the worker's failure, if any.
  std::exception_ptr WaitHashed(TBackgroundSha256& owner) {
    SpinUntil([&] { return owner.inFlight_.load() == 0; });
    std::unique_lock<std::mutex> lock(mutex_);
    hashed_.wait(lock, [&] { return owner.inFlight_ == 0; });
    return std::exchange(owner.failure_, nullptr);
  }

 private:
  // Spare blocks beyond these are freed.
  static constexpr size_t kSpareBlocks = 8;
  // How long a wait polls before it sleeps. Between the blocks of a file and from one file to
  // the next the other side is usually back within this time, and a poll answers at once
  // where a sleeping thread takes tens of microseconds to wake.
  static constexpr std::chrono::microseconds kPolling{250};

  template <typename Ready>
  static void SpinUntil(Ready ready) {
    const auto until = std::chrono::steady_clock::now() + kPolling;
    for (unsigned i = 1; !ready(); ++i) {
      if (i % 64 == 0 && std::chrono::steady_clock::now() > until) return;
      std::this_thread::yield();
    }
  }

  TWorker() {
    std::thread([this] { Run(); }).detach();
  }

  void Run() {
    for (;;) {
      std::unique_ptr<TBlock> block;
      {
        SpinUntil([&] { return queued_.load() > 0; });
        std::unique_lock<std::mutex> lock(mutex_);
        filled_.wait(lock, [&] { return !queue_.empty(); });
        --queued_;
        block = std::move(queue_.front());
        queue_.pop_front();
      }
      TBackgroundSha256& owner = *block->owner;
      std::exception_ptr failure;
      try {
        owner.hasher_.Update(block->data, block->size);
      } catch (...) {
        failure = std::current_exception();
      }
      {
        std::lock_guard<std::mutex> lock(mutex_);
        if (failure && !owner.failure_) owner.failure_ = failure;
        --owner.inFlight_;  // from here on the owner may be gone
        Keep(std::move(block));
      }
      hashed_.notify_all();
    }
  }

  void Keep(std::unique_ptr<TBlock> block) {
    if (spare_.size() < kSpareBlocks) spare_.push_back(std::move(block));
  }

  std::mutex mutex_;
  std::condition_variable filled_;
  std::condition_variable hashed_;
  std::deque<std::unique_ptr<TBlock>> queue_;
  std::atomic<size_t> queued_{0};  // queue_'s length, for polling without the lock
  std::vector<std::unique_ptr<TBlock>> spare_;
};

TBackgroundSha256::TBackgroundSha256() = default;

TBackgroundSha256::~TBackgroundSha256() {
  TWorker& worker = TWorker::Shared();
  if (filling_) worker.Give(std::move(filling_));
  worker.WaitHashed(*this);
}

char* TBackgroundSha256::Reserve(size_t& room) {
  if (filling_ && filling_->size == kBlockSize) SubmitFilled();
  if (!filling_) filling_ = TWorker::Shared().Take(*this);
  room = kBlockSize - filling_->size;
  return filling_->data + filling_->size;
}

void TBackgroundSha256::Commit(size_t count) {
  filling_->size += count;
}

void TBackgroundSha256::Update(const void* data, size_t size) {
  const char* from = static_cast<const char*>(data);
  while (size > 0) {
    size_t room = 0;
    char* to = Reserve(room);
    const size_t n = std::min(room, size);
    std::memcpy(to, from, n);
    Commit(n);
    from += n;
    size -= n;
  }
}

os::Sha256Digest TBackgroundSha256::Finish() {
  SubmitFilled();
  if (std::exception_ptr failure = TWorker::Shared().WaitHashed(*this))
    std::rethrow_exception(failure);
  return hasher_.Finish();
}

void TBackgroundSha256::SubmitFilled() {
  if (filling_ && filling_->size > 0) TWorker::Shared().Submit(std::move(filling_));
}

}  // namespace cd
