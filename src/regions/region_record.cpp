// Region file fields.
#include "regions/region_record.h"

#include "base/exceptions.h"
#include "streams/stream.h"

namespace cd {

int16_t ReadInt16(TStream& stream) {
  return static_cast<int16_t>(ReadUInt16(stream));
}

uint16_t ReadUInt16(TStream& stream) {
  unsigned char b[2];
  stream.ReadBuffer(b, 2);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t ReadUInt32(TStream& stream) {
  unsigned char b[4];
  stream.ReadBuffer(b, 4);
  return uint32_t{b[0]} | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) | (uint32_t{b[3]} << 24);
}

std::string ReadShortString(TStream& stream) {
  return ReadBytes(stream, ReadUInt16(stream));
}

// The length is checked against what is left before anything is allocated: a length field
// of a damaged file must not ask for gigabytes.
std::string ReadBytes(TStream& stream, uint64_t count) {
  const int64_t position = stream.Seek(0, TSeekOrigin::soCurrent);
  const int64_t size = stream.Size();
  if (position < 0 || size < position || count > static_cast<uint64_t>(size - position))
    throw EReadError("Stream read error");
  std::string bytes(static_cast<size_t>(count), '\0');
  stream.ReadBuffer(bytes.data(), static_cast<int64_t>(count));
  return bytes;
}

}  // namespace cd
