// The card index over a card folder of 10,000 cards: loading the folder, and finding a card by
// name once it is loaded. The folder is made under TMPDIR (default /tmp).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "config/config_io.h"
#include "library/card_index.h"
#include "library/library_classes.h"
#include "library/library_hooks.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "util/format.h"

namespace {

using namespace cd;

constexpr int kCards = 10000;

std::string CardName(int i) {
  return "Title" + std::to_string(i);
}

// A folder of kCards cards, made once; its Windows name with a trailing backslash.
const std::string& Root() {
  static const std::string root = [] {
    const char* tmp = std::getenv("TMPDIR");
    static const std::string host =
        std::string(tmp ? tmp : "/tmp") + "/cdrun-card-bench-" + std::to_string(getpid());
    const std::string windows = os::IncludeTrailingBackslash(os::WindowsPath(host));
    const std::string folder = windows + "VokMnger\\BookCard\\";
    os::ForceDirectories(folder);
    RegisterLibraryClasses();
    for (int i = 0; i < kCards; ++i) {
      TBookCard card(nullptr);
      card.SetName(CardName(i));
      card.SetLanguage("EN");
      card.SetMediumId("COURSE");
      os::WriteWholeFile(folder + Format("card%d.a%2.2d", {i, i % 100}), ObjectToString(&card));
    }
    std::atexit([] { std::filesystem::remove_all(host); });
    return windows;
  }();
  return root;
}

void BM_LoadCardFolder(benchmark::State& state) {
  OnCardIndexDiscPath() = [] { return Root(); };
  TCardIndex index;
  for (auto _ : state) {
    index.SetLoaded(false);
    index.SetLoaded(true);
  }
  state.counters["cards"] = index.Count();
}
BENCHMARK(BM_LoadCardFolder)->Unit(benchmark::kMillisecond);

void BM_GetBookCard(benchmark::State& state) {
  OnCardIndexDiscPath() = [] { return Root(); };
  TCardIndex index;
  index.SetLoaded(true);
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(&index.GetBookCard(CardName(i)));
    i = (i + 7919) % kCards;
  }
}
BENCHMARK(BM_GetBookCard)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
