// TSideNode: a node of one side of a two-pane selector, linked back to the TTagObj of the
// source node it shows.
#pragma once

#include "outline/my_node.h"

namespace cd {

class TTagObj;

class TSideNode : public TMyNode {
 public:
  explicit TSideNode(TComponent* owner) : TMyNode(owner) {}
  // Clears the tag's reference for this node's side.
  ~TSideNode() override;

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TTagObj* TagObj() const { return tagObj_; }
  int Side() const { return side_; }
  // Links this node to tag as the node of side (recording it in the tag).
  void Link(TTagObj& tag, int side);
  // The tag is going: forget it without telling it.
  void ClearTagObj() { tagObj_ = nullptr; }

 private:
  TTagObj* tagObj_ = nullptr;
  int side_ = 0;
};

}  // namespace cd
