// THTMLNode: a node of the object map with an identifier, a data text and an attached object
// that it owns; it numbers its identifier when the outline asks after loading.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "outline/my_node.h"

namespace cd {

class THTMLNode : public TMyNode {
 public:
  using TMyNode::TMyNode;
  ~THTMLNode() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int32_t GetId() const override { return id_; }
  void SetId(int32_t id) override { id_ = id; }
  std::string GetData() const override { return data_; }
  void SetData(const std::string& data) override { data_ = data; }
  TPersistent* GetObj() const override { return obj_.get(); }
  // Takes ownership of obj and frees the previous object; the new one is sent the message
  // 12317 with this node when it answers node messages.
  void SetObj(TPersistent* obj) override;
  // The class name of Obj; empty when there is none.
  std::string ObjClass() const;
  // An object of the registered class name replaces Obj unless Obj is of it already; an
  // empty name frees Obj.
  void SetObjClass(const std::string& className);
  bool Disabled() const { return disabled_; }
  void SetDisabled(bool disabled);
  // 2 when disabled, 1 when enabled.
  uint8_t State() const { return state_; }

  // From another THTMLNode only Id, the text in the display language, Data, ObjClass and the
  // object's state; from any other node as TMyNode.
  void Assign(const TPersistent& source) override;
  // Numbering (47823): pass 0 raises the counter to Id, pass 1 numbers an Id of 0, pass 2
  // clears Id.
  void NodeMessage(TNodeMessage& message) override;

  void BinWrite(TStream& stream) const override;
  void BinRead(TStream& stream) override;
  void Write(TBinaryWriter& writer) const override;
  void Read(TBinaryReader& reader) override;

 private:
  int32_t id_ = 0;
  std::string data_;
  std::unique_ptr<TPersistent> obj_;
  bool disabled_ = false;
  uint8_t state_ = 1;
};

}  // namespace cd
