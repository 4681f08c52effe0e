// Fixed code tables of the DCL implode format, shared by the decoder and the encoder.
#pragma once

#include <cstdint>

namespace cd::dcl {

// Symbols: 0..255 literals, 256 + n the length n + 2, then the end marker.
inline constexpr int kEndSymbol = 773;
inline constexpr int kErrorSymbol = 774;  // decoder only: damaged or truncated input
inline constexpr int kLongestCopy = 518;  // longest length the format can express

// One length code: its bits as read from the stream (low bit first), extra bits that follow,
// and the length it stands for with extra bits 0.
struct TLengthCode {
  uint8_t bits;
  uint8_t code;
  uint8_t extraBits;
  uint16_t baseLength;
};
inline constexpr int kLengthCodeCount = 16;
extern const TLengthCode kLengthCodes[kLengthCodeCount];

// The upper part of a distance (0..63): its code length and code (low bit first).
inline constexpr int kDistanceCodeCount = 64;
extern const uint8_t kDistanceBits[kDistanceCodeCount];
extern const uint8_t kDistanceCodes[kDistanceCodeCount];

// Literal codes of the ASCII mode, indexed by byte value: 4 to 13 bits, low bit first.
struct TLiteralCode {
  uint8_t bits;
  uint16_t code;
};
extern const TLiteralCode kAsciiLiterals[256];

}  // namespace cd::dcl
