// Fuzzes text -> binary: any input either fails with a parser error or converts, and then the
// writer's text of the result reads back and settles after one more conversion. The stream
// form, block by block, must agree with the whole-text form.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/exceptions.h"
#include "config/object_text.h"
#include "streams/memory_stream.h"

namespace {

std::string BlockByBlock(const std::string& text) {
  cd::TMemoryStream input(text);
  cd::TMemoryStream output;
  while (input.Position() < input.Size()) cd::ObjectTextToBinary(input, output);
  return output.Data();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string binary;
  try {
    binary = cd::ObjectTextToBinaryAll(text);
  } catch (const cd::EParserError&) {
    bool streamFailed = false;
    try {
      BlockByBlock(text);
    } catch (const cd::EParserError&) {
      streamFailed = true;
    }
    if (!streamFailed) std::abort();
    return 0;
  }
  if (BlockByBlock(text) != binary) std::abort();
  const std::string written = cd::ObjectBinaryToTextAll(binary);
  const std::string again = cd::ObjectTextToBinaryAll(written);
  const std::string rewritten = cd::ObjectBinaryToTextAll(again);
  if (cd::ObjectTextToBinaryAll(rewritten) != again || rewritten != written) std::abort();
  return 0;
}
