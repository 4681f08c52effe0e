// One timer manager tick over 10,000 enabled timers, each examined once: none of them due,
// and all of them due and firing.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "config/my_timer.h"
#include "config/timer_manager.h"

namespace {

using namespace cd;

constexpr int kTimers = 10000;

void Tick(benchmark::State& state, int32_t interval, int32_t step) {
  int32_t now = 0;
  TTimerManager manager([&now] { return now; }, [](TTimerManager&, bool) {});
  std::vector<std::unique_ptr<TMyTimer>> timers;
  int64_t calls = 0;
  for (int i = 0; i < kTimers; ++i) {
    timers.push_back(std::make_unique<TMyTimer>(nullptr, manager));
    timers.back()->SetInterval(interval);
    timers.back()->SetOnTimer([&calls](TMyTimer*) { ++calls; });
    timers.back()->SetEnabled(true);
  }
  for (auto _ : state) {
    now += step;
    manager.Tick();
  }
  state.counters["timers"] = kTimers;
  state.counters["calls/tick"] =
      static_cast<double>(calls) / static_cast<double>(state.iterations());
}

void BM_TickNoneDue(benchmark::State& state) {
  Tick(state, 1000000, 1);
}
void BM_TickAllDue(benchmark::State& state) {
  Tick(state, 1, 1);
}

BENCHMARK(BM_TickNoneDue)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickAllDue)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
