// TSideNode: the back link to the source node's tag.
#include "forms/side_node.h"

#include "forms/tag_obj.h"

namespace cd {

const TClassInfo& TSideNode::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSideNode>("TSideNode", &TMyNode::StaticClass()).Build();
  return info;
}

TSideNode::~TSideNode() {
  if (tagObj_) tagObj_->SetSideNode(side_, nullptr);
}

void TSideNode::Link(TTagObj& tag, int side) {
  tagObj_ = &tag;
  side_ = side;
  tag.SetSideNode(side, this);
}

}  // namespace cd
