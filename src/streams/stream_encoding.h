// The primitive encodings of integers and strings in byte streams (little-endian), used by
// stored node records and form data.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "streams/stream.h"

namespace cd {

// 32-bit integer: 4 bytes.
void WriteInt32(TStream& stream, int32_t value);
int32_t ReadInt32(TStream& stream);

// Long string: a 32-bit length, then the bytes (zero bytes included), no terminator.
// Reading fails with EReadError "Stream read error" when the length is negative or more than
// the stream holds after it.
void WriteLongString(TStream& stream, std::string_view text);
std::string ReadLongString(TStream& stream);

// Short string: one length byte, then the bytes; a longer text is cut to its first 255.
void WriteShortString(TStream& stream, std::string_view text);

// Raw string: the bytes only.
void WriteRawString(TStream& stream, std::string_view text);

// Everything from the current position to the end as one string.
std::string ReadStreamText(TStream& stream);

}  // namespace cd
