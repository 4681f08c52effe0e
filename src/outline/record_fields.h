// Fields of the nodes' byte-stream records: the 32-bit integers and long strings of the
// stream encodings, and one byte.
#pragma once

#include <cstdint>

#include "streams/stream_encoding.h"

namespace cd {

void WriteUInt8(TStream& stream, uint8_t value);
uint8_t ReadUInt8(TStream& stream);

}  // namespace cd
