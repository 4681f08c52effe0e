// The pool behind ParallelEach: workers take the next index from a shared counter and queue
// what they finished; the calling thread drains the queue in batches.
#include "util/parallel_each.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace cd {
namespace {

class TPool {
 public:
  TPool(size_t count, const std::function<void(size_t)>& work) : count_(count), work_(work) {}

  // Takes indexes until none is left or a failure stops the run.
  void Work() {
    for (;;) {
      if (stopped_.load()) return;
      const size_t index = next_.fetch_add(1);
      if (index >= count_) return;
      try {
        work_(index);
        Finish(index, nullptr);
      } catch (...) {
        Finish(index, std::current_exception());
      }
    }
  }

  // The next finished index, or false when every started piece has been reported. Between
  // wake-ups, finished pieces are looked for every kPickUp.
  bool WaitFinished(size_t& index, std::exception_ptr& error, unsigned workers) {
    std::unique_lock<std::mutex> lock(mutex_);
    while (finished_.empty() && idle_ != workers) changed_.wait_for(lock, kPickUp);
    if (finished_.empty()) return false;
    index = finished_.front().first;
    error = finished_.front().second;
    finished_.pop_front();
    return true;
  }

  void WorkerEnded() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++idle_;
    changed_.notify_one();
  }

  void Stop() { stopped_.store(true); }

 private:
  // Wakes the calling thread only for a failure or a batch of kBatch pieces: waking it for
  // every piece of a large run cost the workers a core's share in switches; the rest is
  // picked up within kPickUp.
  void Finish(size_t index, std::exception_ptr error) {
    if (error) Stop();
    std::lock_guard<std::mutex> lock(mutex_);
    finished_.emplace_back(index, error);
    if (error || finished_.size() >= kBatch) changed_.notify_one();
  }

  static constexpr size_t kBatch = 32;
  static constexpr std::chrono::milliseconds kPickUp{2};

  const size_t count_;
  const std::function<void(size_t)>& work_;
  std::atomic<size_t> next_{0};
  std::atomic<bool> stopped_{false};
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::pair<size_t, std::exception_ptr>> finished_;
  unsigned idle_ = 0;
};

}  // namespace

unsigned DefaultJobs() {
  return std::max(1u, std::thread::hardware_concurrency());
}

void ParallelEach(size_t count, unsigned jobs, const std::function<void(size_t)>& work,
                  const std::function<void(size_t)>& done) {
  const auto workers = static_cast<unsigned>(std::min<size_t>(std::max(jobs, 1u), count));
  if (workers <= 1) {
    for (size_t i = 0; i < count; ++i) {
      work(i);
      done(i);
    }
    return;
  }
  TPool pool(count, work);
  std::vector<std::thread> threads;
  threads.reserve(workers);
  for (unsigned i = 0; i < workers; ++i) {
    threads.emplace_back([&pool] {
      pool.Work();
      pool.WorkerEnded();
    });
  }
  size_t failedIndex = count;
  std::exception_ptr failure;
  auto fail = [&](size_t index, std::exception_ptr error) {
    pool.Stop();
    if (index < failedIndex) {
      failedIndex = index;
      failure = error;
    }
  };
  size_t index = 0;
  std::exception_ptr error;
  while (pool.WaitFinished(index, error, workers)) {
    if (error) {
      fail(index, error);
      continue;
    }
    // Pieces after the first failure are not reported: a run in order would not have
    // reached them.
    if (index > failedIndex) continue;
    try {
      done(index);
    } catch (...) {
      fail(index, std::current_exception());
    }
  }
  for (std::thread& thread : threads) thread.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace cd
