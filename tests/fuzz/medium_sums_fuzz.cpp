// Feeds arbitrary texts to the sums file reader and arbitrary bytes to the DER signature form:
// a text that reads must write back to lines that read to the same sums, every path listed
// must be found, and a signature that converts must convert back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/exceptions.h"
#include "platform/ecdsa_forms.h"
#include "util/medium_sums.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  try {
    const cd::TMediumSums sums = cd::TMediumSums::Parse(input, "SHA256SUMS");
    const std::string text = sums.Text();
    const cd::TMediumSums again = cd::TMediumSums::Parse(text, "SHA256SUMS");
    if (again.Text() != text || again.Count() != sums.Count()) __builtin_trap();
    for (size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
      const std::string path = text.substr(at + 66, text.find('\n', at) - at - 66);
      const std::string* hex = again.Find(path);
      if (!hex || *hex != text.substr(at, 64)) __builtin_trap();
    }
  } catch (const cd::Exception&) {
  }
  if (const auto raw = cd::os::RawOfDerSignature(input)) {
    if (cd::os::DerOfRawSignature(*raw) != input) __builtin_trap();
  }
  return 0;
}
