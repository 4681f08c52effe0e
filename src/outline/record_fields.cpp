// The byte-stream record fields.
#include "outline/record_fields.h"

#include "base/exceptions.h"
#include "streams/stream.h"

namespace cd {

void WriteInt32(TStream& stream, int32_t value) {
  const auto u = static_cast<uint32_t>(value);
  const uint8_t bytes[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8),
                            static_cast<uint8_t>(u >> 16), static_cast<uint8_t>(u >> 24)};
  stream.WriteBuffer(bytes, 4);
}

int32_t ReadInt32(TStream& stream) {
  uint8_t bytes[4];
  stream.ReadBuffer(bytes, 4);
  return static_cast<int32_t>(
      static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
      static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}

void WriteUInt8(TStream& stream, uint8_t value) {
  stream.WriteBuffer(&value, 1);
}

uint8_t ReadUInt8(TStream& stream) {
  uint8_t value = 0;
  stream.ReadBuffer(&value, 1);
  return value;
}

void WriteLongString(TStream& stream, const std::string& text) {
  WriteInt32(stream, static_cast<int32_t>(text.size()));
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

std::string ReadLongString(TStream& stream) {
  const int32_t length = ReadInt32(stream);
  if (length < 0 || length > stream.Size() - stream.Position())
    throw EReadError("Stream read error");
  std::string text(static_cast<size_t>(length), '\0');
  stream.ReadBuffer(text.data(), length);
  return text;
}

}  // namespace cd
