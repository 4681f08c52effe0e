// Explode: the DCL implode format decoder. The caller supplies the work area (one per call);
// input is read in blocks of 2048 bytes and output is handed over in blocks of 4096 bytes.
#pragma once

#include <cstdint>

#include "streams/dcl.h"

namespace cd {

// The decoder's tables and buffers (its position and bit buffer live in the decoding loop);
// nothing is kept between calls.
struct TExplodeWork {
  static constexpr uint32_t kInSize = 2048;
  static constexpr uint32_t kHistory = 4096;
  // Copies go 8 bytes at a time and may write up to 7 bytes past their end: the slack.
  static constexpr uint32_t kCopySlack = 8;
  static constexpr uint32_t kOutSize = 2 * kHistory + 518 + kCopySlack;

  // Second-level ASCII literal entries: one group of 32 per first byte of a long code.
  static constexpr int kLongGroups = 16;

  struct TLookupEntry {
    uint8_t bits;    // code length; 0 in the first level: a long code, see group
    uint8_t symbol;  // literal, or the group of a long code
  };

  // A length or distance code found by the next 8 bits: its length, the extra bits that follow
  // (lengths only) and the base length or the upper part of the distance.
  struct TCodeEntry {
    uint8_t bits;
    uint8_t extraBits;
    uint16_t value;
  };

  TDclReadBuf readBuf = nullptr;
  TDclWriteBuf writeBuf = nullptr;
  void* param = nullptr;

  TCodeEntry lengthLookup[256];
  TCodeEntry distanceLookup[256];
  TLookupEntry asciiLookup[256];
  TLookupEntry asciiLong[kLongGroups][32];

  uint8_t in[kInSize];
  uint8_t out[kOutSize];  // history, 4096 bytes of new output, room for one longest copy
};

// Decodes the stream that readBuf delivers (two header bytes, then the bit stream) and
// hands the bytes to writeBuf. Returns kDclOk or an error code of dcl.h.
int Explode(TDclReadBuf readBuf, TDclWriteBuf writeBuf, TExplodeWork& work, void* param);

}  // namespace cd
