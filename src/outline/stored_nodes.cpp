// "BinNodes" and "Nodes": the outline's tree written and read depth first in child order.
#include "outline/stored_nodes.h"

#include <memory>

#include "base/exceptions.h"
#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "config/class_registry.h"
#include "config/object_reader.h"
#include "outline/my_node.h"
#include "outline/outline_tree.h"
#include "outline/record_fields.h"
#include "streams/memory_stream.h"
#include "util/format.h"

namespace cd {
namespace {

// As deep as the object reader nests objects, so that no stored tree exhausts the stack.
constexpr int kMaxDepth = TObjectReader::kMaxDepth;

void CheckDepth(int depth) {
  if (depth > kMaxDepth) throw EReadError("Nodes nested too deeply");
}

// A node of the registered class className, referring to outline and without a parent.
std::unique_ptr<TMyNode> NewStoredNode(TOutlineTree& outline, const std::string& className) {
  const TClassInfo& cls = FindClass(className);
  std::unique_ptr<TPersistent> made(cls.create ? cls.create(nullptr) : nullptr);
  if (!dynamic_cast<TMyNode*>(made.get()))
    throw EReadError(Format("Class %s is no outline node", {cls.name}));
  std::unique_ptr<TMyNode> node(static_cast<TMyNode*>(made.release()));
  node->AttachOutline(&outline);
  return node;
}

void WriteUInt16(TStream& stream, int value) {
  const uint8_t bytes[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
  stream.WriteBuffer(bytes, 2);
}

int ReadUInt16(TStream& stream) {
  uint8_t bytes[2];
  stream.ReadBuffer(bytes, 2);
  return bytes[0] | bytes[1] << 8;
}

void WriteBinChildren(TStream& stream, const TOutlineNode& parent) {
  if (parent.ChildCount() > 0xFFFF)
    throw EWriteError(Format("A node of %d children cannot be stored", {parent.ChildCount()}));
  WriteUInt16(stream, parent.ChildCount());
  for (int i = 0; i < parent.ChildCount(); ++i) {
    const auto& node = dynamic_cast<const TMyNode&>(parent.Child(i));
    WriteLongString(stream, node.ClassName());
    node.BinWrite(stream);
    WriteBinChildren(stream, node);
  }
}

void ReadBinChildren(TOutlineTree& outline, TStream& stream, TOutlineNode& parent, int depth) {
  CheckDepth(depth);
  const int count = ReadUInt16(stream);
  for (int i = 0; i < count; ++i) {
    std::unique_ptr<TMyNode> node = NewStoredNode(outline, ReadLongString(stream));
    node->BinRead(stream);
    ReadBinChildren(outline, stream, parent.AddChild(std::move(node)), depth + 1);
  }
}

void WriteNodeList(TBinaryWriter& writer, const TOutlineNode& parent) {
  writer.WriteListBegin();
  for (int i = 0; i < parent.ChildCount(); ++i) {
    const auto& node = dynamic_cast<const TMyNode&>(parent.Child(i));
    writer.WriteString(node.ClassName());
    node.Write(writer);
    WriteNodeList(writer, node);
  }
  writer.WriteListEnd();
}

void ReadNodeList(TOutlineTree& outline, TBinaryReader& reader, TOutlineNode& parent, int depth) {
  CheckDepth(depth);
  if (reader.ReadValueType() != TValueType::vaList) throw EReadError("Invalid property value");
  while (!reader.EndOfList()) {
    std::unique_ptr<TMyNode> node = NewStoredNode(outline, reader.ReadString());
    node->Read(reader);
    ReadNodeList(outline, reader, parent.AddChild(std::move(node)), depth + 1);
  }
}

}  // namespace

std::string WriteBinNodes(TOutlineTree& outline) {
  TMemoryStream stream;
  WriteBinChildren(stream, outline.RootNode());
  return stream.TakeData();
}

void ReadBinNodes(TOutlineTree& outline, std::string_view bytes) {
  TMemoryStream stream{std::string(bytes)};
  ReadBinChildren(outline, stream, outline.RootNode(), 0);
}

void WriteNodes(TOutlineTree& outline, TBinaryWriter& writer) {
  WriteNodeList(writer, outline.RootNode());
}

void ReadNodes(TOutlineTree& outline, TBinaryReader& reader) {
  ReadNodeList(outline, reader, outline.RootNode(), 0);
}

}  // namespace cd
