// The one-byte field of the byte-stream records.
#include "outline/record_fields.h"

#include "streams/stream.h"

namespace cd {

void WriteUInt8(TStream& stream, uint8_t value) {
  stream.WriteBuffer(&value, 1);
}

uint8_t ReadUInt8(TStream& stream) {
  uint8_t value = 0;
  stream.ReadBuffer(&value, 1);
  return value;
}

}  // namespace cd
