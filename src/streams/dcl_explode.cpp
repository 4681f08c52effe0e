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

// Entries C + k * 2^L of the table get the code of value C and length L; codes are entered
// from the last to the first.
void EnterCode(TExplodeWork::TCodeEntry (&table)[256], uint32_t code,
               TExplodeWork::TCodeEntry entry) {
  for (uint32_t at = code; at < 256; at += 1u << entry.bits) table[at] = entry;
}

// A code whose extra bits also fit in the 8 bits looked up is entered whole: the entry takes
// both and gives the length itself, so most lengths take one step.
void BuildLengthLookup(TExplodeWork& w) {
  for (int i = dcl::kLengthCodeCount - 1; i >= 0; --i) {
    const dcl::TLengthCode& length = kLengthCodes[i];
    EnterCode(w.lengthLookup, length.code, {length.bits, length.extraBits, length.baseLength});
  }
  for (uint32_t at = 0; at < 256; ++at) {
    TExplodeWork::TCodeEntry& entry = w.lengthLookup[at];
    const uint32_t whole = entry.bits + entry.extraBits;
    if (entry.extraBits == 0 || whole > 8) continue;
    const uint32_t extra = (at >> entry.bits) & ((1u << entry.extraBits) - 1);
    entry = {uint8_t(whole), 0, uint16_t(entry.value + extra)};
  }
}

void BuildDistanceLookup(TExplodeWork& w) {
  for (int i = dcl::kDistanceCodeCount - 1; i >= 0; --i) {
    EnterCode(w.distanceLookup, kDistanceCodes[i], {kDistanceBits[i], 0, uint16_t(i)});
  }
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

// The bit reader's moving state. It lives in the decoding loop's locals rather than in the
// work area, so that the compiler keeps it in registers: the output bytes the loop stores could
// otherwise alias it and force a reload after every byte.
struct TBits {
  uint64_t buf = 0;    // consumed from the low end
  uint32_t count = 0;  // valid bits in buf; at least 8 while decoding goes on
  uint32_t pos = 0;
  uint32_t bytes = 0;
  bool ended = false;
};

// A symbol with its distance takes at most 31 bits, so one refill before each symbol is enough.
constexpr uint32_t kSymbolBits = 31;
constexpr uint32_t kRefillTo = 56;
static_assert(kSymbolBits + 8 <= kRefillTo);

// The next block of at most 2048 input bytes, read into w.in; 0 at the end of the input.
[[gnu::noinline]] uint32_t ReadBlock(TExplodeWork& w) {
  uint32_t size = TExplodeWork::kInSize;
  return std::min(w.readBuf(w.in, size, w.param), TExplodeWork::kInSize);
}

// With at least 8 bytes left in the block one load tops the bit buffer up to kRefillTo bits or
// more, and the symbol that follows cannot run short of input.
bool HasWholeSymbol(const TBits& b) {
  return std::endian::native == std::endian::little && b.bytes - b.pos >= 8;
}

void LoadEightBytes(TBits& b, const TExplodeWork& w) {
  uint64_t next;
  std::memcpy(&next, w.in + b.pos, 8);
  b.buf |= next << b.count;
  const uint32_t taken = (63 - b.count) >> 3;
  b.pos += taken;
  b.count += taken * 8;
}

// Tops the bit buffer up to at least kRefillTo bits from the input, reading the next block
// whenever the current one is used up, until the input ends.
void Refill(TBits& b, const TExplodeWork& w) {
  if (HasWholeSymbol(b)) return LoadEightBytes(b, w);
  while (b.count < kRefillTo) {
    if (b.pos == b.bytes) {
      if (b.ended) return;
      b.bytes = ReadBlock(const_cast<TExplodeWork&>(w));
      b.pos = 0;
      if (b.bytes == 0) {
        b.ended = true;
        return;
      }
    }
    b.buf |= static_cast<uint64_t>(w.in[b.pos++]) << b.count;
    b.count += 8;
  }
}

// Removes n (at most 9) bits from the low end of the bit buffer. The next 8 bits must stay
// readable for the following code: false, dropping nothing, when fewer would remain, which
// after a refill means the input has ended. Unchecked, the caller knows the bits are there.
template <bool kChecked>
bool DropBits(TBits& b, uint32_t n) {
  if (kChecked && b.count < n + 8) return false;
  b.buf >>= n;
  b.count -= n;
  return true;
}

// --- decode ------------------------------------------------------------------------------------

// What the decoding loop reads of the stream's header, held in locals like the bits.
struct THeader {
  int literalMode;
  uint32_t dictBits;
  uint32_t dictMask;
};

template <bool kChecked>
int DecodeAsciiLiteral(TBits& b, const TExplodeWork& w) {
  const Entry first = w.asciiLookup[b.buf & 0xFF];
  if (first.bits != 0) return DropBits<kChecked>(b, first.bits) ? first.symbol : kErrorSymbol;
  if (first.symbol == kNoGroup || !DropBits<kChecked>(b, 8)) return kErrorSymbol;
  const Entry second = w.asciiLong[first.symbol][b.buf & 0x1F];
  if (second.bits == 0 || !DropBits<kChecked>(b, second.bits)) return kErrorSymbol;
  return second.symbol;
}

// The end marker's extra bits may run past the end of the input; for any other length that
// is damage.
template <bool kChecked>
int DecodeLength(TBits& b, const TExplodeWork& w) {
  const TExplodeWork::TCodeEntry length = w.lengthLookup[b.buf & 0xFF];
  if (!DropBits<kChecked>(b, length.bits)) return kErrorSymbol;
  int extra = 0;
  if (length.extraBits != 0) {
    extra = static_cast<int>(b.buf & ((1u << length.extraBits) - 1));
    const int symbol = length.value - 2 + extra + 256;
    if (!DropBits<kChecked>(b, length.extraBits) && symbol != kEndSymbol) return kErrorSymbol;
  }
  return length.value - 2 + extra + 256;
}

// Literals 0..255, lengths 256..772, the end marker 773, the error symbol 774.
// A binary literal is its flag bit and the 8 bits of the byte, taken in one step.
template <bool kChecked>
int DecodeSymbol(TBits& b, const TExplodeWork& w, const THeader& h) {
  if (kChecked) {
    Refill(b, w);
  } else {
    LoadEightBytes(b, w);
  }
  if ((b.buf & 1) == 0 && h.literalMode == kDclBinary) {
    const int literal = static_cast<int>((b.buf >> 1) & 0xFF);
    return DropBits<kChecked>(b, 9) ? literal : kErrorSymbol;
  }
  const bool isLength = (b.buf & 1) != 0;
  if (!DropBits<kChecked>(b, 1)) return kErrorSymbol;
  return isLength ? DecodeLength<kChecked>(b, w) : DecodeAsciiLiteral<kChecked>(b, w);
}

// The distance back to the copy's source, 1 to the window size; 0 when the input ended.
template <bool kChecked>
uint32_t DecodeDistance(TBits& b, const TExplodeWork& w, const THeader& h, uint32_t length) {
  const TExplodeWork::TCodeEntry code = w.distanceLookup[b.buf & 0xFF];
  const uint32_t upper = code.value;
  if (!DropBits<kChecked>(b, code.bits)) return 0;
  const uint32_t lowBits = length == 2 ? 2 : h.dictBits;
  const uint32_t lowMask = length == 2 ? 3 : h.dictMask;
  const uint32_t distance = (upper << lowBits) | (b.buf & lowMask);
  if (!DropBits<kChecked>(b, lowBits)) return 0;
  return distance + 1;
}

// --- expand ------------------------------------------------------------------------------------

// Copies 8 bytes at a time, into the slack behind the window when the length is not a multiple
// of 8 (bytes there are overwritten by later output and never handed over). A distance shorter
// than the length repeats the last bytes: from 8 bytes on each piece lies wholly before the
// bytes it writes; one byte repeats as a fill; shorter patterns go byte by byte.
void CopyMatch(uint8_t* to, uint32_t length, uint32_t distance) {
  const uint8_t* from = to - distance;
  if (distance >= 8) {
    for (uint32_t i = 0; i < length; i += 8) std::memcpy(to + i, from + i, 8);
  } else if (distance == 1) {
    std::memset(to, *from, length);
  } else {
    for (uint32_t i = 0; i < length; ++i) to[i] = from[i];
  }
}

// Decodes one symbol and writes its bytes at outPos. Returns the symbol; the end marker or
// the error symbol writes nothing.
template <bool kChecked>
int DecodeStep(TBits& b, const TExplodeWork& w, const THeader& h, uint8_t* out, uint32_t& outPos) {
  const int symbol = DecodeSymbol<kChecked>(b, w, h);
  if (symbol < 256) {
    out[outPos++] = static_cast<uint8_t>(symbol);
    // Further binary literals come from the bits already in the buffer (a refill leaves at
    // least 47 after one literal): at most 5 more bytes before the window's test, well
    // within the room behind the window that the longest copy needs.
    if (!kChecked && h.literalMode == kDclBinary) {
      while (b.count >= 9 && (b.buf & 1) == 0) {
        out[outPos++] = static_cast<uint8_t>(b.buf >> 1);
        b.buf >>= 9;
        b.count -= 9;
      }
    }
  } else if (symbol < kEndSymbol) {
    const uint32_t length = static_cast<uint32_t>(symbol) - 254;
    const uint32_t distance = DecodeDistance<kChecked>(b, w, h, length);
    if (distance == 0) return kErrorSymbol;
    CopyMatch(out + outPos, length, distance);
    outPos += length;
  }
  return symbol;
}

// Decodes symbols into the window until the end marker or damage; the lower half of the
// window is the history, which starts as zeros. While a whole symbol is in the input block,
// no read can run short and the checks are left out. Returns the last symbol.
int Expand(TExplodeWork& w, TBits b, const THeader h) {
  uint8_t* const out = w.out;
  std::memset(out, 0, kHistory);
  uint32_t outPos = kHistory;
  int symbol;
  do {
    symbol = HasWholeSymbol(b) ? DecodeStep<false>(b, w, h, out, outPos)
                               : DecodeStep<true>(b, w, h, out, outPos);
    if (outPos >= 2 * kHistory) {
      w.writeBuf(out + kHistory, kHistory, w.param);
      std::memmove(out, out + kHistory, outPos - kHistory);
      outPos -= kHistory;
    }
  } while (symbol < kEndSymbol);
  if (outPos > kHistory) w.writeBuf(out + kHistory, outPos - kHistory, w.param);
  return symbol;
}

}  // namespace

int Explode(TDclReadBuf readBuf, TDclWriteBuf writeBuf, TExplodeWork& work, void* param) {
  work.readBuf = readBuf;
  work.writeBuf = writeBuf;
  work.param = param;
  TBits bits;
  bits.bytes = ReadBlock(work);
  if (bits.bytes <= 4) return kDclBadData;

  const int literalMode = work.in[0];
  const uint32_t dictBits = work.in[1];
  bits.buf = work.in[2];
  bits.count = 8;
  bits.pos = 3;
  if (dictBits < 4 || dictBits > 6) return kDclInvalidDictSize;
  if (literalMode == kDclAscii) {
    BuildAsciiLookup(work);
  } else if (literalMode != kDclBinary) {
    return kDclInvalidMode;
  }
  BuildLengthLookup(work);
  BuildDistanceLookup(work);
  const THeader header{literalMode, dictBits, 0xFFFFu >> (16 - dictBits)};
  return Expand(work, bits, header) == kErrorSymbol ? kDclAbort : kDclOk;
}

}  // namespace cd
