// win.ini text: any input parses; what is written reads back to the same values.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const cd::os::SectionedText first = cd::os::ParseIniText(text);
  const cd::os::SectionedText second = cd::os::ParseIniText(cd::os::FormatIniText(first));
  for (const auto& section : first.Sections()) {
    for (const auto& entry : section.entries) {
      if (second.Get(section.name, entry.name) != first.Get(section.name, entry.name)) std::abort();
      (void)cd::os::UnquoteIniValue(entry.value);
    }
  }
  return 0;
}
