// ParallelEach: every piece once, completions on the calling thread, and the failure a run in
// order would have met first.
#include "util/parallel_each.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace cd {
namespace {

TEST(ParallelEach, RunsEveryPieceOnceAndReportsItOnTheCallingThread) {
  for (const unsigned jobs : {1u, 2u, 8u}) {
    for (const size_t count : {size_t{0}, size_t{1}, size_t{3}, size_t{200}}) {
      std::vector<std::atomic<int>> runs(count);
      std::vector<int> reported(count, 0);
      const std::thread::id caller = std::this_thread::get_id();
      bool doneElsewhere = false;
      ParallelEach(
          count, jobs, [&](size_t i) { ++runs[i]; },
          [&](size_t i) {
            ++reported[i];
            doneElsewhere |= std::this_thread::get_id() != caller;
          });
      for (size_t i = 0; i < count; ++i) {
        EXPECT_EQ(runs[i], 1) << "jobs " << jobs << ", piece " << i;
        EXPECT_EQ(reported[i], 1) << "jobs " << jobs << ", piece " << i;
      }
      EXPECT_FALSE(doneElsewhere);
    }
  }
}

TEST(ParallelEach, OneJobRunsInOrderAndStopsAtTheFirstFailure) {
  std::vector<std::string> events;
  EXPECT_THROW(ParallelEach(
                   5, 1,
                   [&](size_t i) {
                     events.push_back("work " + std::to_string(i));
                     if (i == 2) throw std::runtime_error("piece 2");
                   },
                   [&](size_t i) { events.push_back("done " + std::to_string(i)); }),
               std::runtime_error);
  EXPECT_EQ(events, (std::vector<std::string>{"work 0", "done 0", "work 1", "done 1", "work 2"}));
}

TEST(ParallelEach, TheLowestFailedPieceIsRaisedAndNoPieceStartsAfterIt) {
  // Four pieces that have all started before any fails: the lowest index wins, whatever
  // order they fail in, and none of the later pieces starts. The pieces meet by spinning on a
  // counter: std::latch can miss its wake-up in the MinGW runtime's atomic wait and hang.
  std::atomic<int> started{0};
  std::atomic<int> ran{0};
  try {
    ParallelEach(
        100, 4,
        [&](size_t i) {
          ++ran;
          if (i < 4) {
            ++started;
            while (started.load() < 4) std::this_thread::yield();
            throw std::runtime_error("piece " + std::to_string(i));
          }
        },
        [](size_t) {});
    ADD_FAILURE() << "no failure raised";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "piece 0");
  }
  EXPECT_EQ(ran, 4);
}

TEST(ParallelEach, AFailureOfDoneStopsTheRunAndIsRaised) {
  std::atomic<int> ran{0};
  EXPECT_THROW(ParallelEach(
                   200, 2,
                   [&](size_t) {
                     ++ran;
                     std::this_thread::sleep_for(std::chrono::milliseconds(1));
                   },
                   [](size_t) { throw std::runtime_error("cancelled"); }),
               std::runtime_error);
  EXPECT_LT(ran, 200);
}

}  // namespace
}  // namespace cd
