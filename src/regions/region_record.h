// Reading the fields of a region file: little-endian integers and length-prefixed strings;
// a file that ends early fails with the stream's read error.
#pragma once

#include <cstdint>
#include <string>

namespace cd {

class TStream;

int16_t ReadInt16(TStream& stream);
uint16_t ReadUInt16(TStream& stream);
uint32_t ReadUInt32(TStream& stream);
// An unsigned 16-bit length, then that many bytes.
std::string ReadShortString(TStream& stream);
// count bytes, refused as a read error when the stream holds fewer.
std::string ReadBytes(TStream& stream, uint64_t count);

}  // namespace cd
