// Explode, in the stages of the format: construct (lookup tables), bits (the bit buffer),
// decode (symbols and distances) and expand (the output window).
#include "streams/dcl_explode.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>

#include "streams/dcl_tables.h"

namespace cd {
namespace {

using dcl::kAsciiLiterals;
using dcl::kDistanceBits;
using dcl::kDistanceCodes;
using dcl::kEndSymbol;
using dcl::kErrorSymbol;
using dcl::kLengthCodes;
using Entry = TExplodeWork::TLookupEntry;

constexpr uint8_t kNoGroup = 0xFF;
constexpr uint32_t kHistory = TExplodeWork::kHistory;

// The farthest distance (63 shifted by 6 bits, plus 63, plus 1) stays inside the history and
// the longest copy fits behind the window, so no decoded value reaches outside the buffer.
static_assert((63u << 6) + 63u + 1u <= kHistory);
static_assert(2 * kHistory - 1 + dcl::kLongestCopy + 7 <= TExplodeWork::kOutSize);

// --- construct -------------------------------------------------------------------------------

// Entry C + k * 2^L of the table gets the index of the code (value C, length L); codes are
// entered from the last to the first.
void BuildLookup(uint8_t (&table)[256], const uint8_t* codes, const uint8_t* bits, int count) {
  for (int i = count - 1; i >= 0; --i) {
    for (uint32_t at = codes[i]; at < 256; at += 1u << bits[i]) table[at] = static_cast<uint8_t>(i);
  }
}

void BuildLengthLookup(TExplodeWork& w) {
  uint8_t codes[dcl::kLengthCodeCount];
  uint8_t bits[dcl::kLengthCodeCount];
  for (int i = 0; i < dcl::kLengthCodeCount; ++i) {
    codes[i] = kLengthCodes[i].code;
    bits[i] = kLengthCodes[i].bits;
  }
  BuildLookup(w.lengthLookup, codes, bits, dcl::kLengthCodeCount);
}

// Codes of up to 8 bits are found by the next 8 bits; a longer code by its first byte, which
// selects a group of 32 entries looked up by the following 5 bits.
void BuildAsciiLookup(TExplodeWork& w) {
  std::fill(std::begin(w.asciiLookup), std::end(w.asciiLookup), Entry{0, kNoGroup});
  for (auto& group : w.asciiLong) std::fill(std::begin(group), std::end(group), Entry{0, 0});
  int groups = 0;
  for (int literal = 255; literal >= 0; --literal) {
    const uint32_t bits = kAsciiLiterals[literal].bits;
    const uint32_t code = kAsciiLiterals[literal].code;
    const auto symbol = static_cast<uint8_t>(literal);
    if (bits <= 8) {
      for (uint32_t at = code; at < 256; at += 1u << bits)
        w.asciiLookup[at] = {uint8_t(bits), symbol};
      continue;
    }
    Entry& first = w.asciiLookup[code & 0xFF];
    if (first.symbol == kNoGroup && groups < TExplodeWork::kLongGroups)
      first.symbol = uint8_t(groups++);
    if (first.symbol == kNoGroup) continue;
    const uint32_t restBits = bits - 8;
    for (uint32_t at = code >> 8; at < 32; at += 1u << restBits) {
      w.asciiLong[first.symbol][at] = {uint8_t(restBits), symbol};
    }
  }
}

// --- bits --------------------------------------------------------------------------------------

// A symbol with its distance takes at most 31 bits, so one refill before each symbol is enough.
constexpr uint32_t kSymbolBits = 31;
constexpr uint32_t kRefillTo = 56;
static_assert(kSymbolBits + 8 <= kRefillTo);

// Tops the bit buffer up to at least kRefillTo bits from the input, reading the next block of
// at most 2048 bytes whenever the current one is used up, until the input ends.
void Refill(TExplodeWork& w) {
  while (w.bitCount < kRefillTo) {
    if (w.inPos == w.inBytes) {
      if (w.inputEnded) return;
      uint32_t size = TExplodeWork::kInSize;
      w.inBytes = std::min(w.readBuf(w.in, size, w.param), TExplodeWork::kInSize);
      w.inPos = 0;
      if (w.inBytes == 0) {
        w.inputEnded = true;
        return;
      }
    }
    if constexpr (std::endian::native == std::endian::little) {
      if (w.inBytes - w.inPos >= 8) {
        uint64_t next;
        std::memcpy(&next, w.in + w.inPos, 8);
        w.bitBuf |= next << w.bitCount;
        const uint32_t taken = (63 - w.bitCount) >> 3;
        w.inPos += taken;
        w.bitCount += taken * 8;
        continue;
      }
    }
    w.bitBuf |= static_cast<uint64_t>(w.in[w.inPos++]) << w.bitCount;
    w.bitCount += 8;
  }
}

// Removes n (at most 9) bits from the low end of the bit buffer. The next 8 bits must stay
// readable for the following code: false, dropping nothing, when fewer would remain, which
// after a refill means the input has ended.
bool DropBits(TExplodeWork& w, uint32_t n) {
  if (w.bitCount < n + 8) return false;
  w.bitBuf >>= n;
  w.bitCount -= n;
  return true;
}

// --- decode ------------------------------------------------------------------------------------

int DecodeAsciiLiteral(TExplodeWork& w) {
  const Entry first = w.asciiLookup[w.bitBuf & 0xFF];
  if (first.bits != 0) return DropBits(w, first.bits) ? first.symbol : kErrorSymbol;
  if (first.symbol == kNoGroup || !DropBits(w, 8)) return kErrorSymbol;
  const Entry second = w.asciiLong[first.symbol][w.bitBuf & 0x1F];
  if (second.bits == 0 || !DropBits(w, second.bits)) return kErrorSymbol;
  return second.symbol;
}

// The end marker's extra bits may run past the end of the input; for any other length that
// is damage.
int DecodeLength(TExplodeWork& w) {
  const int index = w.lengthLookup[w.bitBuf & 0xFF];
  const dcl::TLengthCode& length = kLengthCodes[index];
  if (!DropBits(w, length.bits)) return kErrorSymbol;
  int extra = 0;
  if (length.extraBits != 0) {
    extra = static_cast<int>(w.bitBuf & ((1u << length.extraBits) - 1));
    const int symbol = length.baseLength - 2 + extra + 256;
    if (!DropBits(w, length.extraBits) && symbol != kEndSymbol) return kErrorSymbol;
  }
  return length.baseLength - 2 + extra + 256;
}

// Literals 0..255, lengths 256..772, the end marker 773, the error symbol 774.
// A binary literal is its flag bit and the 8 bits of the byte, taken in one step.
int DecodeSymbol(TExplodeWork& w) {
  Refill(w);
  if ((w.bitBuf & 1) == 0 && w.literalMode == kDclBinary) {
    const int literal = static_cast<int>((w.bitBuf >> 1) & 0xFF);
    return DropBits(w, 9) ? literal : kErrorSymbol;
  }
  const bool isLength = (w.bitBuf & 1) != 0;
  if (!DropBits(w, 1)) return kErrorSymbol;
  return isLength ? DecodeLength(w) : DecodeAsciiLiteral(w);
}

// The distance back to the copy's source, 1 to the window size; 0 when the input ended.
uint32_t DecodeDistance(TExplodeWork& w, uint32_t length) {
  const uint32_t upper = w.distanceLookup[w.bitBuf & 0xFF];
  if (!DropBits(w, kDistanceBits[upper])) return 0;
  const uint32_t lowBits = length == 2 ? 2 : w.dictBits;
  const uint32_t lowMask = length == 2 ? 3 : w.dictMask;
  const uint32_t distance = (upper << lowBits) | (w.bitBuf & lowMask);
  if (!DropBits(w, lowBits)) return 0;
  return distance + 1;
}

// --- expand ------------------------------------------------------------------------------------

// Copies 8 bytes at a time, into the slack behind the window when the length is not a multiple
// of 8 (bytes there are overwritten by later output and never handed over). A distance shorter
// than the length repeats the last bytes: from 8 bytes on each piece lies wholly before the
// bytes it writes; one byte repeats as a fill; shorter patterns go byte by byte.
void CopyMatch(TExplodeWork& w, uint32_t length, uint32_t distance) {
  uint8_t* to = w.out + w.outPos;
  const uint8_t* from = to - distance;
  w.outPos += length;
  if (distance >= 8) {
    for (uint32_t i = 0; i < length; i += 8) std::memcpy(to + i, from + i, 8);
  } else if (distance == 1) {
    std::memset(to, *from, length);
  } else {
    for (uint32_t i = 0; i < length; ++i) to[i] = from[i];
  }
}

// Decodes symbols into the window until the end marker or damage; the lower half of the
// window is the history, which starts as zeros. Returns the last symbol.
int Expand(TExplodeWork& w) {
  std::memset(w.out, 0, kHistory);
  w.outPos = kHistory;
  int symbol;
  while ((symbol = DecodeSymbol(w)) < kEndSymbol) {
    if (symbol < 256) {
      w.out[w.outPos++] = static_cast<uint8_t>(symbol);
    } else {
      const uint32_t length = static_cast<uint32_t>(symbol) - 254;
      const uint32_t distance = DecodeDistance(w, length);
      if (distance == 0) {
        symbol = kErrorSymbol;
        break;
      }
      CopyMatch(w, length, distance);
    }
    if (w.outPos >= 2 * kHistory) {
      w.writeBuf(w.out + kHistory, kHistory, w.param);
      std::memmove(w.out, w.out + kHistory, w.outPos - kHistory);
      w.outPos -= kHistory;
    }
  }
  if (w.outPos > kHistory) w.writeBuf(w.out + kHistory, w.outPos - kHistory, w.param);
  return symbol;
}

}  // namespace

int Explode(TDclReadBuf readBuf, TDclWriteBuf writeBuf, TExplodeWork& work, void* param) {
  work.readBuf = readBuf;
  work.writeBuf = writeBuf;
  work.param = param;
  uint32_t size = TExplodeWork::kInSize;
  work.inBytes = std::min(readBuf(work.in, size, param), TExplodeWork::kInSize);
  if (work.inBytes <= 4) return kDclBadData;

  work.literalMode = work.in[0];
  work.dictBits = work.in[1];
  work.bitBuf = work.in[2];
  work.bitCount = 8;
  work.inPos = 3;
  work.inputEnded = false;
  if (work.dictBits < 4 || work.dictBits > 6) return kDclInvalidDictSize;
  work.dictMask = 0xFFFFu >> (16 - work.dictBits);
  if (work.literalMode == kDclAscii) {
    BuildAsciiLookup(work);
  } else if (work.literalMode != kDclBinary) {
    return kDclInvalidMode;
  }
  BuildLengthLookup(work);
  BuildLookup(work.distanceLookup, kDistanceCodes, kDistanceBits, dcl::kDistanceCodeCount);
  return Expand(work) == kErrorSymbol ? kDclAbort : kDclOk;
}

}  // namespace cd
