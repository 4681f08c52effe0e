// Hostile "BinNodes" and "Nodes" values: the first byte picks the form, the rest is read into
// an outline. Whatever reads (or the part read before a failure) must keep a consistent node
// order, and a tree that reads whole must write and read back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/exceptions.h"
#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "outline/outline_classes.h"
#include "outline/outline_node.h"
#include "outline/outline_tree.h"
#include "outline/stored_nodes.h"

namespace {

void ReadForm(bool binary, cd::TOutlineTree& outline, std::string_view bytes) {
  if (binary) {
    cd::ReadBinNodes(outline, bytes);
  } else {
    cd::TBinaryReader reader(bytes);
    cd::ReadNodes(outline, reader);
  }
}

std::string WriteForm(bool binary, cd::TOutlineTree& outline) {
  if (binary) return cd::WriteBinNodes(outline);
  std::string out;
  cd::TBinaryWriter writer(out);
  cd::WriteNodes(outline, writer);
  return out;
}

void CheckOrder(cd::TOutlineTree& outline) {
  for (int i = 0; i <= outline.ItemCount(); ++i)
    if (outline.Items(i).Index() != i) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (cd::RegisterOutlineClasses(), true);
  (void)registered;
  if (size == 0) return 0;
  const bool binary = (data[0] & 1) != 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  cd::TOutlineTree outline(nullptr);
  try {
    ReadForm(binary, outline, bytes);
  } catch (const cd::Exception&) {
    CheckOrder(outline);
    return 0;
  }
  CheckOrder(outline);
  const std::string first = WriteForm(binary, outline);
  cd::TOutlineTree again(nullptr);
  ReadForm(binary, again, first);
  if (WriteForm(binary, again) != first) std::abort();
  return 0;
}
