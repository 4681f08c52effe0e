// Explode and implode throughput (MB/s of unpacked data) on text and on binary records.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "streams/dcl_explode.h"
#include "streams/dcl_implode.h"

namespace {

constexpr size_t kDataSize = 1 << 20;

// Configuration-like text: keys, names and values from a small vocabulary.
std::string MakeText() {
  static const char* const kWords[] = {
      "object",  "TFileItem", "FileName", "=",      "'C:\\Program Files\\Course'",
      "end",     "Version",   "Time",     "\r\n",   "  ",
      "Flags",   "[fg_Ask]",  "Target",   "Source", "inherited",
      "Caption", "'CZ=Kurz'", "12345",    "True",   "DestSize"};
  std::mt19937 rng(1);
  std::string out;
  while (out.size() < kDataSize) out += kWords[rng() % 20], out += ' ';
  out.resize(kDataSize);
  return out;
}

// Records of a binary file: counters, flags from a few values, noise and names.
std::string MakeBinary() {
  static const char* const kNames[] = {"kernel32.dll", "GetProcAddress", "LoadLibraryA", ".text"};
  std::mt19937 rng(2);
  std::string out;
  for (uint32_t id = 0; out.size() < kDataSize; ++id) {
    out.append(reinterpret_cast<const char*>(&id), 4);
    out += static_cast<char>(1 << (rng() % 4));
    out += '\0';
    for (int i = 0; i < 6; ++i) out += static_cast<char>(rng() & 0xFF);
    out += kNames[rng() % 4];
  }
  out.resize(kDataSize);
  return out;
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

void BM_Implode(benchmark::State& state, const std::string& plain) {
  size_t packedSize = 0;
  for (auto _ : state) packedSize = Implode(plain).size();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plain.size()));
  state.counters["ratio"] = static_cast<double>(packedSize) / static_cast<double>(plain.size());
}

void BM_Explode(benchmark::State& state, const std::string& plain) {
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

const std::string& Text() {
  static const std::string text = MakeText();
  return text;
}

const std::string& Binary() {
  static const std::string binary = MakeBinary();
  return binary;
}

void BM_ImplodeText(benchmark::State& state) {
  BM_Implode(state, Text());
}
void BM_ImplodeBinary(benchmark::State& state) {
  BM_Implode(state, Binary());
}
void BM_ExplodeText(benchmark::State& state) {
  BM_Explode(state, Text());
}
void BM_ExplodeBinary(benchmark::State& state) {
  BM_Explode(state, Binary());
}

BENCHMARK(BM_ImplodeText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImplodeBinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExplodeText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExplodeBinary)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
