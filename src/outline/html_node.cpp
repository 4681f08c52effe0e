// THTMLNode: its keys, attached object, copy, numbering and record fields.
#include "outline/html_node.h"

#include <cstdint>

#include "base/exceptions.h"
#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "config/class_registry.h"
#include "outline/font_style.h"
#include "outline/record_fields.h"
#include "util/format.h"

namespace cd {

// The keys stand in the order Id, Text, Data, ObjClass, Obj, Disabled, so the record does not
// inherit TMyNode's (which would put Text, Tag and FontStyle first); Tag and FontStyle follow.
const TClassInfo& THTMLNode::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<THTMLNode>("THTMLNode", &TOutlineNode::StaticClass())
          .Int("Id", &THTMLNode::id_)
          .Str(
              "Text", [](const THTMLNode& n) { return n.Text(); },
              [](THTMLNode& n, const std::string& v) { n.TOutlineNode::SetText(v); })
          .Str("Data", &THTMLNode::data_)
          .Str(
              "ObjClass", [](const THTMLNode& n) { return n.ObjClass(); },
              [](THTMLNode& n, const std::string& v) { n.SetObjClass(v); })
          .Object("Obj", [](THTMLNode& n) { return n.obj_.get(); })
          .Bool(
              "Disabled", [](const THTMLNode& n) { return n.Disabled(); },
              [](THTMLNode& n, bool v) { n.SetDisabled(v); })
          .Int(
              "Tag", [](const THTMLNode& n) { return n.Tag(); },
              [](THTMLNode& n, int32_t v) { n.SetTag(v); })
          .Set(
              "FontStyle", [](const THTMLNode& n) { return n.FontStyle(); },
              [](THTMLNode& n, uint32_t v) { n.SetFontStyle(v); }, FontStyleType())
          .Build();
  return info;
}

THTMLNode::~THTMLNode() = default;

void THTMLNode::SetObj(TPersistent* obj) {
  if (obj == obj_.get()) return;
  obj_.reset(obj);
  if (auto* receiver = dynamic_cast<INodeMessageReceiver*>(obj)) {
    TNodeMessage message;
    message.msg = kNodeObjectMessage;
    message.node = this;
    receiver->NodeMessage(message);
  }
}

std::string THTMLNode::ObjClass() const {
  return obj_ ? obj_->ClassName() : std::string();
}

void THTMLNode::SetObjClass(const std::string& className) {
  if (className.empty()) {
    SetObj(nullptr);
    return;
  }
  if (obj_ && SameText(obj_->ClassName(), className)) return;
  const TClassInfo& cls = FindClass(className);
  if (!cls.create) throw EReadError(Format("Class %s cannot be created", {cls.name}));
  SetObj(cls.create(nullptr));
}

void THTMLNode::SetDisabled(bool disabled) {
  disabled_ = disabled;
  state_ = disabled ? 2 : 1;
}

void THTMLNode::Assign(const TPersistent& source) {
  const auto* node = dynamic_cast<const THTMLNode*>(&source);
  if (!node) {
    TMyNode::Assign(source);
    return;
  }
  if (node == this) return;
  id_ = node->id_;
  TOutlineNode::SetText(node->GetText());
  data_ = node->data_;
  SetObjClass(node->ObjClass());
  if (obj_ && node->obj_) obj_->Assign(*node->obj_);
}

void THTMLNode::NodeMessage(TNodeMessage& message) {
  if (message.msg != kNumberNodesMessage || !message.counter) return;
  int32_t& counter = *message.counter;
  switch (message.wParam) {
    case 0:
      if (id_ > counter) counter = id_;
      break;
    case 1:
      // A counter at the top of the range leaves the rest unnumbered rather than wrap.
      if (id_ == 0 && counter < INT32_MAX) id_ = ++counter;
      break;
    case 2:
      id_ = 0;
      break;
    default:
      break;
  }
}

void THTMLNode::BinWrite(TStream& stream) const {
  TMyNode::BinWrite(stream);
  WriteInt32(stream, id_);
  WriteUInt8(stream, disabled_ ? 1 : 0);
  WriteLongString(stream, data_);
}

void THTMLNode::BinRead(TStream& stream) {
  TMyNode::BinRead(stream);
  id_ = ReadInt32(stream);
  SetDisabled(ReadUInt8(stream) != 0);
  data_ = ReadLongString(stream);
}

void THTMLNode::Write(TBinaryWriter& writer) const {
  TMyNode::Write(writer);
  writer.WriteInteger(id_);
  writer.WriteBoolean(disabled_);
  writer.WriteStr(data_);
}

void THTMLNode::Read(TBinaryReader& reader) {
  TMyNode::Read(reader);
  id_ = static_cast<int32_t>(reader.ReadInteger());
  SetDisabled(reader.ReadBoolean());
  data_ = reader.ReadStr();
}

}  // namespace cd
