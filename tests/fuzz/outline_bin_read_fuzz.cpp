// Hostile byte-stream node records: the first byte picks the node class, the rest is read with
// BinRead. A record that reads must write and read back to the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "base/exceptions.h"
#include "fuzz_node.h"
#include "streams/memory_stream.h"

namespace {

std::string Written(const cd::TMyNode& node) {
  cd::TMemoryStream stream;
  node.BinWrite(stream);
  return stream.TakeData();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::unique_ptr<cd::TMyNode> node = cd::fuzz::NewNode(data[0]);
  try {
    cd::TMemoryStream stream(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    node->BinRead(stream);
  } catch (const cd::Exception&) {
    return 0;
  }
  const std::string first = Written(*node);
  std::unique_ptr<cd::TMyNode> again = cd::fuzz::NewNode(data[0]);
  cd::TMemoryStream stream(first);
  again->BinRead(stream);
  if (Written(*again) != first) std::abort();
  return 0;
}
