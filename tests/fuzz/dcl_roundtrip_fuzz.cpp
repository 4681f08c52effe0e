// Fuzzes Implode followed by Explode: every input must come back unchanged, in every literal
// mode and window size.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "streams/dcl_explode.h"
#include "streams/dcl_implode.h"

namespace {

struct TBuffers {
  const std::string* input;
  size_t pos;
  uint32_t chunk;
  std::string output;
};

uint32_t ReadInput(uint8_t* buffer, uint32_t& size, void* param) {
  auto& b = *static_cast<TBuffers*>(param);
  const size_t n = std::min<size_t>({size, b.chunk, b.input->size() - b.pos});
  std::copy_n(b.input->data() + b.pos, n, buffer);
  b.pos += n;
  return static_cast<uint32_t>(n);
}

void WriteOutput(const uint8_t* buffer, uint32_t size, void* param) {
  static_cast<TBuffers*>(param)->output.append(reinterpret_cast<const char*>(buffer), size);
}

}  // namespace

// The first byte picks the mode, the window and the read size; the rest is the data.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int mode = data[0] & 1;
  const uint32_t dictSize = 1024u << ((data[0] >> 1) % 3);
  // Explode takes a first read of 4 bytes or fewer as too short, so reads are at least 5.
  const uint32_t chunk = 5 + (data[0] >> 3) * 157;
  const std::string plain(reinterpret_cast<const char*>(data + 1), size - 1);

  TBuffers packed{&plain, 0, chunk, {}};
  auto implode = std::make_unique<cd::TImplodeWork>();
  if (cd::Implode(ReadInput, WriteOutput, *implode, &packed, mode, dictSize) != cd::kDclOk) {
    std::abort();
  }
  TBuffers unpacked{&packed.output, 0, chunk, {}};
  auto explode = std::make_unique<cd::TExplodeWork>();
  const int code = cd::Explode(ReadInput, WriteOutput, *explode, &unpacked);
  // Streams of 4 bytes or fewer (an empty input) are below what Explode accepts.
  if (packed.output.size() <= 4) return 0;
  if (code != cd::kDclOk || unpacked.output != plain) std::abort();
  return 0;
}
