// The POSIX registry file: any input parses; what is written reads back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/registry_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const cd::os::SectionedText first = cd::os::ParseRegistryText(text);
  const std::string written = cd::os::FormatRegistryText(first);
  if (cd::os::FormatRegistryText(cd::os::ParseRegistryText(written)) != written) std::abort();
  return 0;
}
