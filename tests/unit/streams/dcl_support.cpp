// Test helpers for the DCL codec.
#include "unit/streams/dcl_support.h"

#include <algorithm>
#include <memory>
#include <random>

#include "streams/dcl_explode.h"
#include "streams/dcl_implode.h"
#include "streams/dcl_tables.h"

namespace cd::test {
namespace {

struct TBuffers {
  explicit TBuffers(const std::string& in) : input(in) {}
  const std::string& input;
  size_t readPos = 0;
  uint32_t readChunk = 2048;
  std::string output;
  std::vector<uint32_t> writeSizes;
};

uint32_t ReadInput(uint8_t* buffer, uint32_t& size, void* param) {
  auto& b = *static_cast<TBuffers*>(param);
  const size_t n = std::min<size_t>({size, b.readChunk, b.input.size() - b.readPos});
  std::copy_n(b.input.data() + b.readPos, n, buffer);
  b.readPos += n;
  return static_cast<uint32_t>(n);
}

void WriteOutput(const uint8_t* buffer, uint32_t size, void* param) {
  auto& b = *static_cast<TBuffers*>(param);
  b.output.append(reinterpret_cast<const char*>(buffer), size);
  b.writeSizes.push_back(size);
}

}  // namespace

TExplodeResult ExplodeString(const std::string& input, uint32_t readChunk) {
  TBuffers buffers(input);
  buffers.readChunk = readChunk;
  auto work = std::make_unique<TExplodeWork>();
  TExplodeResult result;
  result.code = Explode(ReadInput, WriteOutput, *work, &buffers);
  result.output = std::move(buffers.output);
  result.writeSizes = std::move(buffers.writeSizes);
  return result;
}

std::string ImplodeString(const std::string& input, int literalMode, uint32_t dictSize, int* code,
                          std::vector<uint32_t>* writeSizes,
                          const std::function<void(TImplodeWork&)>& prepare) {
  TBuffers buffers(input);
  auto work = std::make_unique<TImplodeWork>();
  if (prepare) prepare(*work);
  const int result = Implode(ReadInput, WriteOutput, *work, &buffers, literalMode, dictSize);
  if (code) *code = result;
  if (writeSizes) *writeSizes = buffers.writeSizes;
  return buffers.output;
}

TDclBuilder::TDclBuilder(int literalMode, int dictBits)
    : literalMode_(literalMode), dictBits_(static_cast<uint32_t>(dictBits)) {
  bytes_ = {static_cast<char>(literalMode), static_cast<char>(dictBits)};
}

TDclBuilder& TDclBuilder::Bits(uint32_t count, uint32_t value) {
  for (uint32_t i = 0; i < count; ++i, ++bitCount_) {
    if (bitCount_ % 8 == 0) bytes_.push_back(0);
    if ((value >> i) & 1) bytes_.back() = static_cast<char>(bytes_.back() | (1 << (bitCount_ % 8)));
  }
  return *this;
}

TDclBuilder& TDclBuilder::Literal(uint8_t byte) {
  Bits(1, 0);
  if (literalMode_ == 0) return Bits(8, byte);
  return Bits(dcl::kAsciiLiterals[byte].bits, dcl::kAsciiLiterals[byte].code);
}

void TDclBuilder::LengthCode(uint32_t length) {
  int i = dcl::kLengthCodeCount - 1;
  while (dcl::kLengthCodes[i].baseLength > length) --i;
  const dcl::TLengthCode& code = dcl::kLengthCodes[i];
  Bits(1, 1).Bits(code.bits, code.code).Bits(code.extraBits, length - code.baseLength);
}

TDclBuilder& TDclBuilder::Copy(uint32_t length, uint32_t distance) {
  LengthCode(length);
  const uint32_t stored = distance - 1;
  const uint32_t lowBits = length == 2 ? 2 : dictBits_;
  const uint32_t upper = stored >> lowBits;
  Bits(dcl::kDistanceBits[upper], dcl::kDistanceCodes[upper]);
  return Bits(lowBits, stored & ((1u << lowBits) - 1));
}

TDclBuilder& TDclBuilder::End() {
  LengthCode(519);
  return *this;
}

std::string TDclBuilder::Bytes() const {
  return bytes_;
}

std::string RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 rng(seed);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(rng() & 0xFF);
  return out;
}

std::string SampleText(size_t size) {
  static const char* const kWords[] = {"object",        "TFileItem", "FileName", "=",
                                       "'C:\\Program'", "end",       "Version",  "Time",
                                       "\r\n",          "  ",        "Flags",    "[fg_"};
  std::mt19937 rng(7);
  std::string out;
  while (out.size() < size) out += kWords[rng() % 12], out += ' ';
  out.resize(size);
  return out;
}

}  // namespace cd::test
