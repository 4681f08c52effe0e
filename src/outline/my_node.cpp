// TMyNode: construction while reading, the style, the lookup item and the node records.
#include "outline/my_node.h"

#include <algorithm>

#include "base/exceptions.h"
#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "config/config_io.h"
#include "outline/font_style.h"
#include "outline/record_fields.h"
#include "streams/stream.h"
#include "util/format.h"
#include "util/lang_string.h"

namespace cd {

const TClassInfo& TMyNode::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMyNode>("TMyNode", &TOutlineNode::StaticClass())
          .Str(
              "Text", [](const TMyNode& n) { return n.Text(); },
              [](TMyNode& n, const std::string& v) { n.TOutlineNode::SetText(v); })
          .Int(
              "Tag", [](const TMyNode& n) { return n.Tag(); },
              [](TMyNode& n, int32_t v) { n.SetTag(v); })
          .Set(
              "FontStyle", [](const TMyNode& n) { return n.FontStyle(); },
              [](TMyNode& n, uint32_t v) { n.SetFontStyle(v); }, FontStyleType())
          .Build();
  return info;
}

TMyNode::TMyNode(TComponent* owner) : TOutlineNode(owner) {
  TOutlineNode::SetText(" ");
}

void TMyNode::SetFontStyle(uint32_t style) {
  fontStyle_ = style & kFontStyleMask;
}

void TMyNode::Assign(const TPersistent& source) {
  TOutlineNode::Assign(source);
  if (const auto* node = dynamic_cast<const TMyNode*>(&source)) fontStyle_ = node->fontStyle_;
}

int32_t TMyNode::QueryInterface(const TGuid& iid, void** object) {
  if (iid == IID_IUnknown) {
    *object = static_cast<IInterface*>(this);
    return kS_OK;
  }
  *object = nullptr;
  return kE_NOINTERFACE;
}

std::string TMyNode::GetText() const {
  return LangStringLowEx(Text(), DisplayLanguage());
}

void TMyNode::BinWrite(TStream& stream) const {
  WriteUInt8(stream, kRecordVersion);
  WriteLongString(stream, Text());
  WriteInt32(stream, Tag());
  WriteUInt8(stream, static_cast<uint8_t>(fontStyle_));
}

void TMyNode::BinRead(TStream& stream) {
  const uint8_t version = ReadUInt8(stream);
  if (version > kRecordVersion)
    throw EReadError(Format("TMyNode.BinRead: Wrong ReadWrite Version - %d", {version}));
  TOutlineNode::SetText(ReadLongString(stream));
  SetTag(ReadInt32(stream));
  SetFontStyle(ReadUInt8(stream));
}

void TMyNode::Write(TBinaryWriter& writer) const {
  writer.WriteByte(kRecordVersion);
  writer.WriteStr(Text());
  writer.WriteInteger(Tag());
  writer.WriteByte(static_cast<uint8_t>(fontStyle_));
  writer.WriteByte(0);  // reserved
}

void TMyNode::Read(TBinaryReader& reader) {
  const uint8_t version = reader.ReadByte();
  if (version > kRecordVersion)
    throw EReadError(Format("TMyNode.Read: Wrong ReadWrite Version - %d", {version}));
  TOutlineNode::SetText(reader.ReadStr());
  SetTag(static_cast<int32_t>(reader.ReadInteger()));
  if (version >= 2) SetFontStyle(reader.ReadByte());
  if (version >= 3) reader.ReadByte();  // reserved
}

// Cut at the last " end": the first would end the line inside a text holding " end" or at
// the end of the first child.
void TMyNode::WriteLine(TStream& stream) const {
  std::string text = ObjectToString(this);
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  const size_t start = text.find("object ");
  const size_t end = text.rfind(" end");
  if (start == std::string::npos || end == std::string::npos || end < start + 7) return;
  stream.WriteBuffer(text.data() + start + 7, static_cast<int64_t>(end - start - 7));
}

}  // namespace cd
