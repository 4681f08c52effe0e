// Integer and string encodings in byte streams.
#include "streams/stream_encoding.h"

#include <algorithm>

#include "base/exceptions.h"

namespace cd {

void WriteInt32(TStream& stream, int32_t value) {
  const uint32_t u = static_cast<uint32_t>(value);
  const unsigned char bytes[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                                  static_cast<unsigned char>(u >> 16),
                                  static_cast<unsigned char>(u >> 24)};
  stream.WriteBuffer(bytes, 4);
}

int32_t ReadInt32(TStream& stream) {
  unsigned char bytes[4];
  stream.ReadBuffer(bytes, 4);
  return static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                              static_cast<uint32_t>(bytes[3]) << 24);
}

void WriteLongString(TStream& stream, std::string_view text) {
  WriteInt32(stream, static_cast<int32_t>(text.size()));
  WriteRawString(stream, text);
}

std::string ReadLongString(TStream& stream) {
  const int32_t length = ReadInt32(stream);
  // A damaged length must not allocate more than the stream can deliver.
  if (length < 0 || length > stream.Size() - stream.Position())
    throw EReadError("Stream read error");
  std::string text(static_cast<size_t>(length), '\0');
  stream.ReadBuffer(text.data(), length);
  return text;
}

void WriteShortString(TStream& stream, std::string_view text) {
  const unsigned char length = static_cast<unsigned char>(std::min<size_t>(text.size(), 255));
  stream.WriteBuffer(&length, 1);
  stream.WriteBuffer(text.data(), length);
}

void WriteRawString(TStream& stream, std::string_view text) {
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

std::string ReadStreamText(TStream& stream) {
  return stream.ReadRest();
}

}  // namespace cd
