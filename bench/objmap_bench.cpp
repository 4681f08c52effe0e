// The object map of 100,000 items in 1,000 frames (ten rows of ten items each, every frame
// nested in the one before it by groups of ten, so that nesting is deep too), rendered in
// each mode.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "objmap/obj_map_generator.h"

namespace {

using namespace cd;

constexpr int kFrames = 1000;
constexpr int kRowsPerFrame = 10;
constexpr int kItemsPerRow = 10;

std::unique_ptr<TOMFrame> BuildMap() {
  auto top = std::make_unique<TOMFrame>(nullptr);
  top->SetDescr("Frame 0");
  TOMFrame* parent = top.get();
  TOMFrame* previous = top.get();
  for (int f = 0; f < kFrames; ++f) {
    TOMFrame* frame = f == 0 ? top.get() : new TOMFrame(f % 10 == 0 ? parent : previous);
    if (f % 10 == 0) parent = frame;
    frame->SetDescr("Frame " + std::to_string(f));
    for (int r = 0; r < kRowsPerFrame; ++r) {
      TOMRow& row = AddRow(*frame);
      for (int i = 0; i < kItemsPerRow; ++i)
        AddItem(row, i, "Description " + std::to_string(i), "Value " + std::to_string(r));
    }
    previous = frame;
  }
  return top;
}

void BM_Generate(benchmark::State& state) {
  static const std::unique_ptr<TOMFrame> map = BuildMap();
  TObjMapGeneratorPar params;
  size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = Generate(*map, &params, static_cast<int32_t>(state.range(0)));
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["output_MB"] = static_cast<double>(bytes) / 1e6;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_Generate)
    ->Arg(om_Standard)
    ->Arg(om_Coloured)
    ->Arg(om_PlainText)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
