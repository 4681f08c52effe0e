// Fuzzes the virtual stream over arbitrary file contents: packed or not, damaged or not, it
// must read or fail with an exception, never crash.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "streams/memory_stream.h"
#include "streams/virt_stream.h"
#include "util/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string contents(reinterpret_cast<const char*>(data), size);
  try {
    cd::TVirtStream stream(std::make_unique<cd::TMemoryStream>(std::move(contents)));
    stream.ReadRest();
  } catch (const cd::Exception&) {
  }
  return 0;
}
