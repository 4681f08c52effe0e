// TMyNode: the outline node of the dialogs: a text style, the lookup item interface, and the
// node's records (byte stream, component stream, one line of object text).
#pragma once

#include <cstdint>
#include <string>

#include "outline/lookup_item.h"
#include "outline/outline_node.h"

namespace cd {

class TStream;
class TBinaryReader;
class TBinaryWriter;

class TMyNode : public TOutlineNode, public ILookupItem {
 public:
  explicit TMyNode(TComponent* owner);

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Set of TFontStyle as a bit mask.
  uint32_t FontStyle() const { return fontStyle_; }
  void SetFontStyle(uint32_t style);

  // TOutlineNode's copy, and FontStyle from another TMyNode.
  void Assign(const TPersistent& source) override;

  int32_t QueryInterface(const TGuid& iid, void** object) override;
  // A node's lifetime is its parent's: the interface counts no references.
  int32_t AddRef() override { return -1; }
  int32_t Release() override { return -1; }
  TPersistent* ItemObject() override { return this; }
  // A plain node has Id -1, no object and no data, and ignores setting them.
  int32_t GetId() const override { return -1; }
  void SetId(int32_t) override {}
  TPersistent* GetObj() const override { return nullptr; }
  void SetObj(TPersistent*) override {}
  // The text in the display language.
  std::string GetText() const override;
  void SetText(const std::string& text) override { TOutlineNode::SetText(text); }
  std::string GetData() const override { return {}; }
  void SetData(const std::string&) override {}

  // Byte-stream record: version 3, Text (32-bit length), Tag (32 bits), FontStyle (1 byte).
  virtual void BinWrite(TStream& stream) const;
  // Fails with "TMyNode.BinRead: Wrong ReadWrite Version - <n>" for a version above 3.
  virtual void BinRead(TStream& stream);
  // Component-stream record: version 3, Text (short string), Tag (typed integer), FontStyle
  // and a reserved 0 byte.
  virtual void Write(TBinaryWriter& writer) const;
  // Fails with "TMyNode.Read: Wrong ReadWrite Version - <n>" for a version above 3; versions 1
  // and 2 lack the style byte and the reserved byte, version 2 the reserved byte.
  virtual void Read(TBinaryReader& reader);
  // The node in object text on one line, without the leading "object " and trailing " end".
  virtual void WriteLine(TStream& stream) const;

 protected:
  static constexpr uint8_t kRecordVersion = 3;

 private:
  uint32_t fontStyle_ = 0;
};

}  // namespace cd
