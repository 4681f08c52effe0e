// Explode and implode throughput (MB/s of unpacked data) and packed ratio on four 8 MiB
// inputs: English-like text, x86-64 machine code (this program's own file), random bytes and
// one repeated byte, and the text packed as files of 20 KiB. "--memory" streams inputs of growing
// size through both directions and reports the peak resident memory, which must not grow with the
// input; "--write-inputs DIR" writes the four inputs as files; "--input FILE" adds the codec's two
// directions on FILE (for comparing the cdpack program with the codec itself on the same bytes).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "streams/dcl_explode.h"
#include "streams/dcl_implode.h"

namespace {

constexpr size_t kDataSize = 8u << 20;

// Sentences of common English words with capitals, commas and full stops, word frequencies
// falling off roughly as in prose.
std::string MakeText() {
  static const char* const kWords[] = {
      "the",     "of",       "and",     "to",       "a",        "in",      "is",         "that",
      "it",      "was",      "for",     "on",       "are",      "with",    "as",         "his",
      "they",    "be",       "at",      "one",      "have",     "this",    "from",       "by",
      "hot",     "word",     "but",     "what",     "some",     "we",      "can",        "out",
      "other",   "were",     "all",     "there",    "when",     "up",      "use",        "your",
      "how",     "said",     "each",    "she",      "which",    "do",      "their",      "time",
      "if",      "will",     "way",     "about",    "many",     "then",    "them",       "write",
      "would",   "like",     "so",      "these",    "her",      "long",    "make",       "thing",
      "see",     "him",      "two",     "has",      "look",     "more",    "day",        "could",
      "go",      "come",     "did",     "number",   "sound",    "course",  "lesson",     "student",
      "teacher", "language", "grammar", "exercise", "beginner", "chapter", "vocabulary", "question",
      "answer",  "example",  "practice"};
  constexpr size_t kCount = std::size(kWords);
  std::mt19937 rng(1);
  std::string out;
  out.reserve(kDataSize + 64);
  bool sentenceStart = true;
  while (out.size() < kDataSize) {
    // The square of a uniform number favours the first (most common) words.
    const double u = std::uniform_real_distribution<double>(0, 1)(rng);
    std::string word = kWords[static_cast<size_t>(u * u * kCount) % kCount];
    if (sentenceStart) word[0] = static_cast<char>(word[0] - 'a' + 'A');
    out += word;
    sentenceStart = false;
    const unsigned r = rng() % 100;
    if (r < 8) {
      out += ". ";
      sentenceStart = true;
      if (rng() % 6 == 0) out += "\r\n";
    } else if (r < 14) {
      out += ", ";
    } else {
      out += ' ';
    }
  }
  out.resize(kDataSize);
  return out;
}

// This program's own file, repeated: x86-64 machine code with its data and tables.
std::string MakeMachineCode() {
  std::ifstream self("/proc/self/exe", std::ios::binary);
  const std::string image{std::istreambuf_iterator<char>(self), {}};
  std::string out;
  out.reserve(kDataSize + image.size());
  while (!image.empty() && out.size() < kDataSize) out += image;
  out.resize(kDataSize);
  return out;
}

std::string MakeRandom() {
  std::mt19937_64 rng(3);
  std::string out(kDataSize, '\0');
  for (size_t i = 0; i + 8 <= out.size(); i += 8) {
    const uint64_t v = rng();
    std::memcpy(out.data() + i, &v, 8);
  }
  return out;
}

std::string MakeRepeated() {
  return std::string(kDataSize, 'x');
}

struct TBuffers {
  const std::string* input;
  size_t pos;
  std::string output;
};

uint32_t ReadInput(uint8_t* buffer, uint32_t& size, void* param) {
  auto& b = *static_cast<TBuffers*>(param);
  const size_t n = std::min<size_t>(size, b.input->size() - b.pos);
  std::copy_n(b.input->data() + b.pos, n, buffer);
  b.pos += n;
  return static_cast<uint32_t>(n);
}

void WriteOutput(const uint8_t* buffer, uint32_t size, void* param) {
  static_cast<TBuffers*>(param)->output.append(reinterpret_cast<const char*>(buffer), size);
}

std::string Implode(const std::string& plain) {
  TBuffers b{&plain, 0, {}};
  auto work = std::make_unique<cd::TImplodeWork>();
  cd::Implode(ReadInput, WriteOutput, *work, &b, cd::kDclBinary, 4096);
  return b.output;
}

void RunImplode(benchmark::State& state, const std::string& plain) {
  size_t packedSize = 0;
  for (auto _ : state) packedSize = Implode(plain).size();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plain.size()));
  state.counters["ratio"] = static_cast<double>(packedSize) / static_cast<double>(plain.size());
}

void RunExplode(benchmark::State& state, const std::string& plain) {
  const std::string packed = Implode(plain);
  auto work = std::make_unique<cd::TExplodeWork>();
  for (auto _ : state) {
    TBuffers b{&packed, 0, {}};
    b.output.reserve(plain.size());
    if (cd::Explode(ReadInput, WriteOutput, *work, &b) != cd::kDclOk || b.output != plain) {
      state.SkipWithError("explode did not restore the input");
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plain.size()));
}

template <std::string (*Make)()>
const std::string& Input() {
  static const std::string data = Make();
  return data;
}

#define CD_DCL_BENCH(Name, Make)                              \
  void BM_Implode##Name(benchmark::State& state) {            \
    RunImplode(state, Input<Make>());                         \
  }                                                           \
  void BM_Explode##Name(benchmark::State& state) {            \
    RunExplode(state, Input<Make>());                         \
  }                                                           \
  BENCHMARK(BM_Implode##Name)->Unit(benchmark::kMillisecond); \
  BENCHMARK(BM_Explode##Name)->Unit(benchmark::kMillisecond)

CD_DCL_BENCH(Text, MakeText);
CD_DCL_BENCH(MachineCode, MakeMachineCode);
CD_DCL_BENCH(Random, MakeRandom);
CD_DCL_BENCH(Repeated, MakeRepeated);

// The text packed as separate files of 20 KiB, each with a work area of its own, as a build
// packs a course's files: what each file's fresh start costs against one long stream.
void BM_ImplodeTextInFiles(benchmark::State& state) {
  constexpr size_t kFileSize = 20 * 1024;
  const std::string& text = Input<MakeText>();
  std::vector<std::string> files;
  for (size_t at = 0; at < text.size(); at += kFileSize)
    files.push_back(text.substr(at, kFileSize));
  for (auto _ : state) {
    for (const std::string& file : files) benchmark::DoNotOptimize(Implode(file));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ImplodeTextInFiles)->Unit(benchmark::kMillisecond);

// --memory: an endless English-like source, cut at a given size, so no input is held in
// memory; output is only counted. Peaks are measured over what was resident before.
struct TStreamedText {
  std::string pattern = MakeText().substr(0, 1 << 20);
  size_t left = 0;
  size_t pos = 0;
  std::string packed;
  bool keep = false;
  uint64_t produced = 0;
};

uint32_t ReadStreamed(uint8_t* buffer, uint32_t& size, void* param) {
  auto& s = *static_cast<TStreamedText*>(param);
  const size_t n = std::min<size_t>({size, s.left, s.pattern.size() - s.pos});
  std::copy_n(s.pattern.data() + s.pos, n, buffer);
  s.pos = (s.pos + n) % s.pattern.size();
  s.left -= n;
  return static_cast<uint32_t>(n);
}

void TakeOutput(const uint8_t* buffer, uint32_t size, void* param) {
  auto& s = *static_cast<TStreamedText*>(param);
  s.produced += size;
  if (s.keep) s.packed.append(reinterpret_cast<const char*>(buffer), size);
}

struct TPackedSource {
  const std::string* packed;
  size_t pos = 0;
  uint64_t produced = 0;
};

uint32_t ReadPacked(uint8_t* buffer, uint32_t& size, void* param) {
  auto& s = *static_cast<TPackedSource*>(param);
  const size_t n = std::min<size_t>(size, s.packed->size() - s.pos);
  std::copy_n(s.packed->data() + s.pos, n, buffer);
  s.pos += n;
  return static_cast<uint32_t>(n);
}

void CountUnpacked(const uint8_t*, uint32_t size, void* param) {
  static_cast<TPackedSource*>(param)->produced += size;
}

long StatusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field)));
  return 0;
}

void ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

int MeasureMemory() {
  std::printf("work areas: implode %zu bytes, explode %zu bytes\n", sizeof(cd::TImplodeWork),
              sizeof(cd::TExplodeWork));
  for (const size_t mib : {8u, 64u, 256u}) {
    TStreamedText source;
    source.left = mib << 20;
    ResetPeak();
    long before = StatusKiB("VmRSS:");
    auto implodeWork = std::make_unique<cd::TImplodeWork>();
    cd::Implode(ReadStreamed, TakeOutput, *implodeWork, &source, cd::kDclBinary, 4096);
    const long implodePeak = StatusKiB("VmHWM:") - before;
    std::printf("%4zu MiB of text, packed to %llu bytes: implode peak %ld KiB", mib,
                static_cast<unsigned long long>(source.produced), implodePeak);
    if (mib <= 64) {
      // The packed text is held before the measure starts; the output is only counted.
      TStreamedText again;
      again.left = mib << 20;
      again.keep = true;
      cd::Implode(ReadStreamed, TakeOutput, *implodeWork, &again, cd::kDclBinary, 4096);
      TPackedSource packed{&again.packed};
      ResetPeak();
      before = StatusKiB("VmRSS:");
      auto explodeWork = std::make_unique<cd::TExplodeWork>();
      cd::Explode(ReadPacked, CountUnpacked, *explodeWork, &packed);
      std::printf(", explode peak %ld KiB (%llu bytes out)", StatusKiB("VmHWM:") - before,
                  static_cast<unsigned long long>(packed.produced));
    }
    std::printf(" (over the resident memory before each)\n");
  }
  return 0;
}

}  // namespace

// --write-inputs DIR: the four inputs as files, for timing the cdpack program on them.
int WriteInputs(const std::string& folder) {
  const std::pair<const char*, const std::string*> inputs[] = {
      {"text.bin", &Input<MakeText>()},
      {"machine-code.bin", &Input<MakeMachineCode>()},
      {"random.bin", &Input<MakeRandom>()},
      {"repeated.bin", &Input<MakeRepeated>()}};
  for (const auto& [name, data] : inputs) {
    std::ofstream(folder + "/" + name, std::ios::binary) << *data;
    std::printf("%s/%s\n", folder.c_str(), name);
  }
  return 0;
}

// --input FILE: both directions on the bytes of FILE, registered beside the built-in inputs.
void RegisterFileInput(const std::string& name) {
  std::ifstream file(name, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "bench_dcl_bench: cannot read %s\n", name.c_str());
    std::exit(2);
  }
  static const std::string data{std::istreambuf_iterator<char>(file), {}};
  benchmark::RegisterBenchmark("BM_ImplodeFile", [](benchmark::State& state) {
    RunImplode(state, data);
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_ExplodeFile", [](benchmark::State& state) {
    RunExplode(state, data);
  })->Unit(benchmark::kMillisecond);
}

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--memory") == 0) return MeasureMemory();
  if (argc == 3 && std::strcmp(argv[1], "--write-inputs") == 0) return WriteInputs(argv[2]);
  if (argc >= 3 && std::strcmp(argv[1], "--input") == 0) {
    RegisterFileInput(argv[2]);
    argv[2] = argv[0];
    argc -= 2;
    argv += 2;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
