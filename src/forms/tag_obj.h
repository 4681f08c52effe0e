// TTagObj: what a two-pane selector knows of one source node during an edit: the node, the
// side node that shows it on each side, whether it starts selected, and how many of its own
// children each side shows (for placing a new side node in source order).
#pragma once

#include "forms/shown_children.h"

namespace cd {

class TOutlineNode;
class TSideNode;
class TEOlnMultiSelector;

class TTagObj {
 public:
  // parent is the tag of node's parent (nullptr for the source root); position is node's
  // place among that parent's children.
  TTagObj(TOutlineNode& node, TEOlnMultiSelector& form, TTagObj* parent, int position);
  // Clears the back link of both side nodes; does not free them.
  ~TTagObj();
  TTagObj(const TTagObj&) = delete;
  TTagObj& operator=(const TTagObj&) = delete;

  TOutlineNode* Node() const { return node_; }
  TEOlnMultiSelector* Form() const { return form_; }
  TTagObj* ParentTag() const { return parent_; }
  int Position() const { return position_; }
  bool Selected() const { return selected_; }
  void SetSelected(bool selected) { selected_ = selected; }

  TSideNode* SideNode(int side) const { return sideNodes_[side]; }
  // Records (or with nullptr forgets) the node of this tag on side; the parent's count of
  // shown children follows.
  void SetSideNode(int side, TSideNode* node);
  // How many of this node's children before position have a node on side.
  int ShownBefore(int side, int position) const { return shown_[side].CountBefore(position); }

 private:
  TOutlineNode* node_;
  TEOlnMultiSelector* form_;
  TTagObj* parent_;
  int position_;
  int childCount_;
  bool selected_ = false;
  TSideNode* sideNodes_[2] = {nullptr, nullptr};
  TShownChildren shown_[2];
};

}  // namespace cd
