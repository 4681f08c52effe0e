// Fuzzes binary -> text: hostile binary either fails with a read error or becomes text that
// reads back, and the text of that binary form is the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/exceptions.h"
#include "config/object_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string binary(reinterpret_cast<const char*>(data), size);
  std::string text;
  try {
    text = cd::ObjectBinaryToTextAll(binary);
  } catch (const cd::EReadError&) {
    return 0;
  }
  const std::string again = cd::ObjectTextToBinaryAll(text);
  if (cd::ObjectBinaryToTextAll(again) != text) std::abort();
  return 0;
}
