// THashWorker: a queue of filled blocks, hashed in order on one detached thread.
#include "streams/hash_worker.h"

#include <thread>
#include <utility>

namespace cd {

THashWorker& THashWorker::Shared() {
  static THashWorker* const worker = new THashWorker;
  return *worker;
}

THashWorker::THashWorker() {
  std::thread([this] { Run(); }).detach();
}

template <typename Ready>
void THashWorker::PollUntil(Ready ready) {
  const auto until = std::chrono::steady_clock::now() + kPolling;
  for (unsigned i = 1; !ready(); ++i) {
    if (i % 64 == 0 && std::chrono::steady_clock::now() > until) return;
    std::this_thread::yield();
  }
}

std::unique_ptr<THashBlock> THashWorker::Take(THashLane& lane, size_t inFlightLimit) {
  std::unique_lock<std::mutex> lock(mutex_);
  hashed_.wait(lock, [&] { return lane.inFlight.load() < inFlightLimit; });
  std::unique_ptr<THashBlock> block;
  if (!lane.done.empty()) {
    block = std::move(lane.done.back());
    lane.done.pop_back();
  } else if (spare_.empty()) {
    block = std::make_unique<THashBlock>();
  } else {
    block = std::move(spare_.back());
    spare_.pop_back();
  }
  block->size = 0;
  block->lane = &lane;
  return block;
}

void THashWorker::Submit(std::unique_ptr<THashBlock> block) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ++block->lane->inFlight;
    queue_.push_back(std::move(block));
    ++queued_;
  }
  filled_.notify_one();
}

void THashWorker::Give(std::unique_ptr<THashBlock> block) {
  std::lock_guard<std::mutex> lock(mutex_);
  Keep(std::move(block));
}

std::exception_ptr THashWorker::WaitHashed(THashLane& lane) {
  PollUntil([&] { return lane.inFlight.load() == 0; });
  std::unique_lock<std::mutex> lock(mutex_);
  hashed_.wait(lock, [&] { return lane.inFlight.load() == 0; });
  for (auto& block : lane.done) Keep(std::move(block));
  lane.done.clear();
  return std::exchange(lane.failure, nullptr);
}

void THashWorker::Run() {
  for (;;) {
    PollUntil([&] { return queued_.load() > 0; });
    std::unique_ptr<THashBlock> block;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      filled_.wait(lock, [&] { return !queue_.empty(); });
      block = std::move(queue_.front());
      queue_.pop_front();
      --queued_;
    }
    THashLane& lane = *block->lane;
    std::exception_ptr failure;
    try {
      lane.hasher.Update(block->data, block->size);
    } catch (...) {
      failure = std::current_exception();
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (failure && !lane.failure) lane.failure = failure;
      lane.done.push_back(std::move(block));
      --lane.inFlight;  // from here on the lane may be gone
    }
    hashed_.notify_all();
  }
}

void THashWorker::Keep(std::unique_ptr<THashBlock> block) {
  if (spare_.size() < kSpareBlocks) spare_.push_back(std::move(block));
}

}  // namespace cd
