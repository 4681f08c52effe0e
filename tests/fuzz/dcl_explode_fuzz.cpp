// Fuzzes Explode with arbitrary streams in both literal modes, delivered in odd-sized reads.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "streams/dcl_explode.h"

namespace {

struct TInput {
  const uint8_t* data;
  size_t size;
  size_t pos;
  uint32_t chunk;
  uint64_t produced;
};

uint32_t ReadInput(uint8_t* buffer, uint32_t& size, void* param) {
  auto& in = *static_cast<TInput*>(param);
  const size_t n = std::min<size_t>({size, in.chunk, in.size - in.pos});
  std::copy_n(in.data + in.pos, n, buffer);
  in.pos += n;
  return static_cast<uint32_t>(n);
}

void WriteOutput(const uint8_t* buffer, uint32_t size, void* param) {
  auto& in = *static_cast<TInput*>(param);
  if (size > 4096) std::abort();
  volatile uint8_t sink = 0;
  for (uint32_t i = 0; i < size; ++i) sink = sink ^ buffer[i];
  in.produced += size;
}

}  // namespace

// The first byte picks the read size (at least 5 bytes, as a first read of 4 or fewer is
// too short for Explode) and whether the header is kept raw; otherwise the
// header is bent to a valid mode and window so that the bit stream itself gets exercised.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  std::vector<uint8_t> stream(data + 1, data + size);
  if (!(data[0] & 0x80) && stream.size() >= 2) {
    stream[0] &= 1;
    stream[1] = static_cast<uint8_t>(4 + stream[1] % 3);
  }
  TInput in{stream.data(), stream.size(), 0, static_cast<uint32_t>(5 + (data[0] & 0x7F) * 37), 0};
  auto work = std::make_unique<cd::TExplodeWork>();
  const int code = cd::Explode(ReadInput, WriteOutput, *work, &in);
  if (code < cd::kDclOk || code > cd::kDclAbort) std::abort();
  return 0;
}
