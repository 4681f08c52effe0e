// Implode: the DCL implode format encoder. The caller supplies the work area (one per call);
// input is taken in blocks of 4096 bytes and output is handed over in blocks of 2048 bytes.
#pragma once

#include <cstdint>

#include "streams/dcl.h"

namespace cd {

// The encoder's whole state for one call.
struct TImplodeWork {
  static constexpr uint32_t kBlock = 4096;
  static constexpr uint32_t kLookAhead = 516;  // also the longest repetition written
  static constexpr uint32_t kMaxDict = 4096;
  static constexpr uint32_t kBufSize = kMaxDict + kLookAhead + kBlock;
  static constexpr uint32_t kSymbolCount = 774;
  static constexpr uint32_t kOutSize = 2048;
  static constexpr uint32_t kChainHashBits = 13;

  TDclReadBuf readBuf = nullptr;
  TDclWriteBuf writeBuf = nullptr;
  void* param = nullptr;

  int literalMode = 0;
  uint32_t dictSize = 0;
  uint32_t dictBits = 0;
  uint32_t dictMask = 0;

  // Bit count and code of every symbol: literals, lengths 2 to 518 and the end marker.
  uint8_t symbolBits[kSymbolCount];
  uint16_t symbolCodes[kSymbolCount];

  // History, then the look-ahead kept from the previous block, then 4096 bytes of new input.
  uint8_t buf[kBufSize];

  // The position index: chains of the positions whose first 4, 3 and 2 bytes hash alike,
  // newest first. head holds the newest position of each hash as an absolute position (buffer
  // position + indexBase, 0 for none), so that it stays valid when the buffer slides; link
  // holds each position's distance back to the previous one of its chain (0: none in reach)
  // and slides with the buffer.
  struct TChain {
    uint32_t head[1u << kChainHashBits];
    uint16_t link[kBufSize];
  };
  TChain chains[3];
  uint32_t indexBase = 0;
  uint32_t indexedTo = 0;     // positions below this are in the chains
  uint32_t firstIndexed = 0;  // and from this one on: the buffer before the input is not
  // Absolute positions are taken back once indexBase reaches this, long before they could run
  // out of 32 bits (tests lower it to see it happen).
  uint32_t indexRebaseFrom = 1u << 30;

  uint8_t out[kOutSize + 2];  // a block, and the bytes of one write begun behind it
  uint32_t outBytes = 0;      // complete bytes
  uint32_t outBits = 0;       // bits used in the current byte
};

// Encodes everything readBuf delivers and hands the result to writeBuf. Returns
// kDclInvalidDictSize unless dictSize is 1024, 2048 or 4096, kDclInvalidMode unless
// literalMode is kDclBinary or kDclAscii, otherwise kDclOk.
int Implode(TDclReadBuf readBuf, TDclWriteBuf writeBuf, TImplodeWork& work, void* param,
            int literalMode, uint32_t dictSize);

}  // namespace cd
