// Feeds arbitrary bytes to the PE version reader: every input must end in a result or a
// format error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/pe_version.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cd::pe::MemoryImage image(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    if (const auto block = cd::pe::ReadVersionResource(image)) cd::pe::ParseFixedFileInfo(*block);
  } catch (const cd::pe::EPeFormatError&) {
  }
  // The version block parser alone, on the raw input.
  try {
    cd::pe::ParseFixedFileInfo(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const cd::pe::EPeFormatError&) {
  }
  return 0;
}
