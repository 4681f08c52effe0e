// Test helpers for the DCL codec: running Explode and Implode over strings, and assembling
// streams by hand from literals and copies.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "streams/dcl_implode.h"

namespace cd::test {

struct TExplodeResult {
  int code = 0;
  std::string output;
  std::vector<uint32_t> writeSizes;  // the size of every WriteBuf call
};

// Explode over input, delivered at most readChunk bytes per ReadBuf call.
TExplodeResult ExplodeString(const std::string& input, uint32_t readChunk = 2048);

// Implode of input; the encoded bytes, or the error code in *code.
// prepare, when given, sees the encoder's work area before the call.
std::string ImplodeString(const std::string& input, int literalMode = 0, uint32_t dictSize = 4096,
                          int* code = nullptr, std::vector<uint32_t>* writeSizes = nullptr,
                          const std::function<void(TImplodeWork&)>& prepare = {});

// Writes a DCL stream bit by bit, low bit first, starting with the two header bytes.
class TDclBuilder {
 public:
  explicit TDclBuilder(int literalMode = 0, int dictBits = 6);

  TDclBuilder& Bits(uint32_t count, uint32_t value);
  TDclBuilder& Literal(uint8_t byte);
  // A copy of length bytes from distance bytes back (1 = the last byte).
  TDclBuilder& Copy(uint32_t length, uint32_t distance);
  TDclBuilder& End();
  std::string Bytes() const;

 private:
  void LengthCode(uint32_t length);
  int literalMode_;
  uint32_t dictBits_;
  std::string bytes_;
  uint32_t bitCount_ = 0;
};

// Deterministic pseudo-random bytes.
std::string RandomBytes(size_t size, uint32_t seed);
// Readable text with repetitions, like a configuration file.
std::string SampleText(size_t size);

}  // namespace cd::test
