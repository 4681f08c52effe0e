// Implode, in stages: construct (symbol codes), bits (the output writer), input (blocks of
// 4096 bytes behind the history) and encode (literal or repetition at each position).
#include "streams/dcl_implode.h"

#include <algorithm>
#include <cstring>

#include "streams/dcl_search.h"
#include "streams/dcl_tables.h"

namespace cd {
namespace {

using dcl::TRepetition;
using W = TImplodeWork;

// A repetition shorter than this is compared with the one at the next position.
constexpr uint32_t kCompareNextBelow = 8;
// From this stored distance on, a next repetition longer by one byte is preferred.
constexpr uint32_t kFarForOneMore = 129;

// --- construct -------------------------------------------------------------------------------

// Literals are a 0 bit and the literal code; length symbols a 1 bit, the length code and its
// extra bits, numbered upwards from 256 (length 2) to the end marker.
void BuildCodeTables(W& w) {
  for (uint32_t b = 0; b < 256; ++b) {
    const bool binary = w.literalMode == kDclBinary;
    w.symbolBits[b] = binary ? 9 : uint8_t(dcl::kAsciiLiterals[b].bits + 1);
    w.symbolCodes[b] = uint16_t((binary ? b : dcl::kAsciiLiterals[b].code) << 1);
  }
  uint32_t symbol = 256;
  for (const dcl::TLengthCode& length : dcl::kLengthCodes) {
    for (uint32_t k = 0; k < (1u << length.extraBits); ++k, ++symbol) {
      w.symbolBits[symbol] = uint8_t(length.extraBits + length.bits + 1);
      w.symbolCodes[symbol] = uint16_t((k << (length.bits + 1)) | (length.code << 1) | 1);
    }
  }
}

// --- bits --------------------------------------------------------------------------------------

// A full block goes out; the one or two bytes that were begun behind it move to the front.
void FlushFullBuffer(W& w) {
  w.writeBuf(w.out, W::kOutSize, w.param);
  w.out[0] = w.out[W::kOutSize];
  w.out[1] = w.out[W::kOutSize + 1];
  std::memset(w.out + 2, 0, sizeof w.out - 2);
  w.outBytes -= W::kOutSize;
}

// Bits (at most 16) go into the current byte from its lowest free bit upwards and on into the
// next two; bytes behind the current one are always zero.
void WriteBits(W& w, uint32_t bits, uint32_t value) {
  const uint32_t shifted = value << w.outBits;
  uint8_t* const at = w.out + w.outBytes;
  at[0] |= uint8_t(shifted);
  at[1] = uint8_t(shifted >> 8);
  at[2] = uint8_t(shifted >> 16);
  w.outBits += bits;
  w.outBytes += w.outBits >> 3;
  w.outBits &= 7;
  if (w.outBytes >= W::kOutSize) FlushFullBuffer(w);
}

void WriteSymbol(W& w, uint32_t symbol) {
  WriteBits(w, w.symbolBits[symbol], w.symbolCodes[symbol]);
}

void WriteDistanceCode(W& w, uint32_t upper) {
  WriteBits(w, dcl::kDistanceBits[upper], dcl::kDistanceCodes[upper]);
}

void WriteRepetition(W& w, const TRepetition& rep) {
  WriteSymbol(w, 256 + rep.length - 2);
  if (rep.length == 2) {
    WriteDistanceCode(w, rep.distance >> 2);
    WriteBits(w, 2, rep.distance & 3);
  } else {
    WriteDistanceCode(w, rep.distance >> w.dictBits);
    WriteBits(w, w.dictBits, rep.distance & w.dictMask);
  }
}

// --- input -------------------------------------------------------------------------------------

// Asks for input until a whole block has arrived or the input ends; returns the bytes read.
uint32_t ReadBlock(W& w, uint32_t at) {
  uint32_t total = 0;
  while (total < W::kBlock) {
    const uint32_t wanted = W::kBlock - total;
    uint32_t size = wanted;
    const uint32_t got = std::min(w.readBuf(w.buf + at + total, size, w.param), wanted);
    if (got == 0) break;
    total += got;
  }
  return total;
}

// --- encode ------------------------------------------------------------------------------------

bool Usable(const TRepetition& rep) {
  return rep.length >= 2 && !(rep.length == 2 && rep.distance >= dcl::kFarForTwo);
}

// Whether writing one literal and taking the next position's repetition pays off.
bool NextIsBetter(const TRepetition& next, const TRepetition& current) {
  return next.length >= current.length + 2 ||
         (next.length == current.length + 1 && current.distance >= kFarForOneMore);
}

// Encodes the positions from pos up to blockEnd (data ends at dataEnd); returns the position
// reached, which a repetition may have carried past blockEnd.
uint32_t EncodeBlock(W& w, uint32_t pos, uint32_t blockEnd, uint32_t dataEnd) {
  TRepetition rep;
  bool found = false;
  while (pos < blockEnd) {
    if (!found) rep = dcl::FindRepetition(w, pos, dataEnd);
    found = false;
    if (!Usable(rep)) {
      WriteSymbol(w, w.buf[pos++]);
      continue;
    }
    if (rep.length < kCompareNextBelow && pos + 1 < blockEnd) {
      const TRepetition next = dcl::FindRepetition(w, pos + 1, dataEnd);
      if (NextIsBetter(next, rep)) {
        WriteSymbol(w, w.buf[pos++]);
        rep = next;
        found = true;
        continue;
      }
    }
    WriteRepetition(w, rep);
    pos += rep.length;
  }
  return pos;
}

uint32_t DictionaryBits(uint32_t dictSize) {
  switch (dictSize) {
    case 1024:
      return 4;
    case 2048:
      return 5;
    case 4096:
      return 6;
    default:
      return 0;
  }
}

// Blocks of new input follow the history and the previous block's look-ahead; a block that is
// not the last leaves its final 516 bytes as look-ahead for the next one.
void EncodeInput(W& w) {
  const uint32_t keep = w.dictSize + W::kLookAhead;
  uint32_t pos = keep;
  dcl::StartIndex(w, keep);
  for (bool first = true;; first = false) {
    const uint32_t loaded = ReadBlock(w, keep);
    if (loaded == 0 && first) return;
    const bool last = loaded < W::kBlock;
    const uint32_t dataEnd = keep + loaded;
    const uint32_t blockEnd = last ? dataEnd : dataEnd - W::kLookAhead;
    dcl::ExtendIndex(w, std::min(blockEnd, dataEnd - 1), dataEnd);
    pos = EncodeBlock(w, pos, blockEnd, dataEnd);
    if (last) return;
    std::memmove(w.buf, w.buf + W::kBlock, keep);
    dcl::SlideIndex(w, W::kBlock);
    pos -= W::kBlock;
  }
}

}  // namespace

int Implode(TDclReadBuf readBuf, TDclWriteBuf writeBuf, TImplodeWork& work, void* param,
            int literalMode, uint32_t dictSize) {
  const uint32_t dictBits = DictionaryBits(dictSize);
  if (dictBits == 0) return kDclInvalidDictSize;
  if (literalMode != kDclBinary && literalMode != kDclAscii) return kDclInvalidMode;
  work.readBuf = readBuf;
  work.writeBuf = writeBuf;
  work.param = param;
  work.literalMode = literalMode;
  work.dictSize = dictSize;
  work.dictBits = dictBits;
  work.dictMask = dictSize / 64 - 1;
  BuildCodeTables(work);

  std::memset(work.out, 0, sizeof work.out);
  work.out[0] = uint8_t(literalMode);
  work.out[1] = uint8_t(dictBits);
  work.outBytes = 2;
  work.outBits = 0;
  EncodeInput(work);
  WriteSymbol(work, dcl::kEndSymbol);
  const uint32_t total = work.outBytes + (work.outBits != 0 ? 1 : 0);
  if (total != 0) writeBuf(work.out, total, param);
  return kDclOk;
}

}  // namespace cd
