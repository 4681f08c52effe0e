// Hostile text read as a configuration with every run item, media, library and runner class
// registered; a text that reads must write a text that reads back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "runner/all_classes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (cd::RegisterAllClasses(), true);
  (void)registered;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string written;
  try {
    std::unique_ptr<cd::TComponent> object = cd::StringToObject(text);
    if (!object) return 0;
    written = cd::ObjectToString(object.get());
  } catch (const cd::Exception&) {
    return 0;
  }
  std::unique_ptr<cd::TComponent> again = cd::StringToObject(written);
  if (cd::ObjectToString(again.get()) != written) std::abort();
  return 0;
}
