// The DCL implode format as both directions see it: the buffer callbacks, the literal modes
// and the error codes of Explode and Implode with their names.
#pragma once

#include <cstdint>

namespace cd {

// Delivers up to size bytes of input into buffer; returns how many (0 at the end of input).
using TDclReadBuf = uint32_t (*)(uint8_t* buffer, uint32_t& size, void* param);
// Takes size bytes of output.
using TDclWriteBuf = void (*)(const uint8_t* buffer, uint32_t size, void* param);

inline constexpr int kDclBinary = 0;  // literals are the 8 bits of the byte
inline constexpr int kDclAscii = 1;   // literals use the fixed code of text characters

// Results of Explode and Implode.
inline constexpr int kDclOk = 0;
inline constexpr int kDclInvalidDictSize = 1;
inline constexpr int kDclInvalidMode = 2;
inline constexpr int kDclBadData = 3;
inline constexpr int kDclAbort = 4;

// "INVALID_DICTSIZE", "INVALID_MODE", "BAD_DATA", "ABORT"; empty for 0 and unknown codes.
const char* DclErrorName(int code);

}  // namespace cd
