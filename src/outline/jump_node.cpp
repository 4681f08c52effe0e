// TJumpNode: its key, copy and the context string after the TMyNode record.
#include "outline/jump_node.h"

#include "base/exceptions.h"
#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "outline/record_fields.h"

namespace cd {

const TClassInfo& TJumpNode::StaticClass() {
  static const TClassInfo info = TClassBuilder<TJumpNode>("TJumpNode", &TMyNode::StaticClass())
                                     .Str("CtxStr", &TJumpNode::ctxStr_)
                                     .Build();
  return info;
}

void TJumpNode::Assign(const TPersistent& source) {
  TMyNode::Assign(source);
  const auto* node = dynamic_cast<const TJumpNode*>(&source);
  if (!node) throw Exception("TJumpNode.Assign: Source is not TJumpNode");
  ctxStr_ = node->ctxStr_;
}

void TJumpNode::BinWrite(TStream& stream) const {
  TMyNode::BinWrite(stream);
  WriteLongString(stream, ctxStr_);
}

void TJumpNode::BinRead(TStream& stream) {
  TMyNode::BinRead(stream);
  ctxStr_ = ReadLongString(stream);
}

void TJumpNode::Write(TBinaryWriter& writer) const {
  TMyNode::Write(writer);
  writer.WriteStr(ctxStr_);
}

void TJumpNode::Read(TBinaryReader& reader) {
  TMyNode::Read(reader);
  ctxStr_ = reader.ReadStr();
}

}  // namespace cd
