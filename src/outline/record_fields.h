// Fields of the nodes' byte-stream records: a 32-bit length and the bytes, a 32-bit integer and
// one byte, all little-endian.
#pragma once

#include <cstdint>
#include <string>

namespace cd {

class TStream;

void WriteLongString(TStream& stream, const std::string& text);
// Fails with EReadError "Stream read error" when the length is negative or more than remains.
std::string ReadLongString(TStream& stream);
void WriteInt32(TStream& stream, int32_t value);
int32_t ReadInt32(TStream& stream);
void WriteUInt8(TStream& stream, uint8_t value);
uint8_t ReadUInt8(TStream& stream);

}  // namespace cd
