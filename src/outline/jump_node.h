// TJumpNode: a node that carries a jump context string.
#pragma once

#include <string>

#include "outline/my_node.h"

namespace cd {

class TJumpNode : public TMyNode {
 public:
  using TMyNode::TMyNode;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& CtxStr() const { return ctxStr_; }
  void SetCtxStr(const std::string& ctx) { ctxStr_ = ctx; }

  // TMyNode's copy first; then fails with "TJumpNode.Assign: Source is not TJumpNode" unless
  // the source is one, and copies CtxStr.
  void Assign(const TPersistent& source) override;
  void BinWrite(TStream& stream) const override;
  void BinRead(TStream& stream) override;
  void Write(TBinaryWriter& writer) const override;
  void Read(TBinaryReader& reader) override;

 private:
  std::string ctxStr_;
};

}  // namespace cd
