// TTagObj: side node links with their effect on the parent's counts.
#include "forms/tag_obj.h"

#include "forms/side_node.h"
#include "outline/outline_node.h"

namespace cd {

TTagObj::TTagObj(TOutlineNode& node, TEOlnMultiSelector& form, TTagObj* parent, int position)
    : node_(&node),
      form_(&form),
      parent_(parent),
      position_(position),
      childCount_(node.ChildCount()) {}

TTagObj::~TTagObj() {
  for (TSideNode* side : sideNodes_)
    if (side) side->ClearTagObj();
}

void TTagObj::SetSideNode(int side, TSideNode* node) {
  if ((sideNodes_[side] != nullptr) == (node != nullptr)) {
    sideNodes_[side] = node;
    return;
  }
  sideNodes_[side] = node;
  if (parent_) parent_->shown_[side].Add(position_, node ? 1 : -1, parent_->childCount_);
}

}  // namespace cd
