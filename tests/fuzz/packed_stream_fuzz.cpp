// Fuzzes the virtual stream over arbitrary file contents: packed or not, damaged or not, it
// must read or fail with an exception, never crash; contents past the size limit are refused
// in bounded memory. The same input is unpacked into a spill stream with a small threshold, so
// the move into a temporary file is taken too.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/exceptions.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"
#include "streams/spill_stream.h"
#include "streams/virt_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string contents(reinterpret_cast<const char*>(data), size);
  try {
    cd::TVirtStream stream(std::make_unique<cd::TMemoryStream>(contents), "fuzz.bin", 1 << 20);
    stream.ReadRest();
  } catch (const cd::Exception&) {
  }
  try {
    cd::TMemoryStream source(contents);
    if (cd::IsPacked(source)) {
      cd::TSpillStream unpacked(4096);
      cd::UnpackStream(source, unpacked);
      unpacked.SetPosition(0);
      unpacked.ReadRest();
    }
  } catch (const cd::Exception&) {
  }
  return 0;
}
