// Reads integers and long strings from arbitrary bytes until the data ends: damaged lengths
// must end in a read error, never in a huge allocation or a read past the data.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/exceptions.h"
#include "streams/memory_stream.h"
#include "streams/stream_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cd::TMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
  try {
    for (;;) {
      if (cd::ReadInt32(stream) & 1) cd::ReadLongString(stream);
    }
  } catch (const cd::EReadError&) {
  }
  return 0;
}
