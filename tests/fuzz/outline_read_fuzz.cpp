// Hostile component-stream node records: the first byte picks the node class, the rest is
// read with Read. A record that reads must write and read back to the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "base/exceptions.h"
#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "fuzz_node.h"

namespace {

std::string Written(const cd::TMyNode& node) {
  std::string out;
  cd::TBinaryWriter writer(out);
  node.Write(writer);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::unique_ptr<cd::TMyNode> node = cd::fuzz::NewNode(data[0]);
  try {
    cd::TBinaryReader reader(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    node->Read(reader);
  } catch (const cd::Exception&) {
    return 0;
  }
  const std::string first = Written(*node);
  std::unique_ptr<cd::TMyNode> again = cd::fuzz::NewNode(data[0]);
  cd::TBinaryReader reader(first);
  again->Read(reader);
  if (!reader.AtEnd() || Written(*again) != first) std::abort();
  return 0;
}
