// Fuzz target: binary form -> objects of the test classes -> binary form. Reading must fail
// only with the system's exceptions, and what was read must write back to a form that reads
// and writes again to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/exceptions.h"
#include "config/object_reader.h"
#include "config/object_text.h"
#include "config/object_writer.h"
#include "unit/config/model_test_classes.h"

namespace {

std::string ReadAndWrite(std::string_view binary) {
  std::string out;
  cd::TObjectReader reader(binary);
  while (!reader.AtEnd()) {
    std::unique_ptr<cd::TComponent> root = reader.ReadRoot();
    cd::TObjectWriter(out).WriteRoot(*root);
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (cd::test::RegisterTestClasses(), true);
  (void)registered;
  std::string first;
  try {
    first = ReadAndWrite(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const cd::Exception&) {
    return 0;
  }
  cd::ObjectBinaryToTextAll(first);
  if (ReadAndWrite(first) != first) std::abort();
  return 0;
}
