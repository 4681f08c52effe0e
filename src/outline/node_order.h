// TNodeOrder: the depth-first order of all nodes of an outline, kept so that a node's index
// and the node at an index are found at once. Appending a subtree at the end of the order (the
// way a tree is built) extends it in place; any other change marks it stale, and the next
// question rebuilds it in one pass instead of renumbering the later nodes at every change.
#pragma once

#include <vector>

namespace cd {

class TOutlineNode;

class TNodeOrder {
 public:
  void SetRoot(TOutlineNode* root);
  // Nodes of the tree, the root included.
  int Count() const { return count_; }
  // The node's position; -1 when it is not in the tree.
  int IndexOf(const TOutlineNode& node);
  // The node at index; nullptr when there is none.
  TOutlineNode* At(int index);
  // The last node in the order (the root when it has no children).
  TOutlineNode* Last() const;

  // node (with its subtree) has just been linked to its parent.
  void Attached(TOutlineNode& node);
  // node (with its subtree) is about to be unlinked from its parent.
  void Detaching(TOutlineNode& node);

 private:
  bool InTree(const TOutlineNode& node) const;
  bool AtEnd(const TOutlineNode& node) const;
  void Rebuild();

  TOutlineNode* root_ = nullptr;
  std::vector<TOutlineNode*> nodes_;
  int count_ = 0;
  bool stale_ = false;
};

}  // namespace cd
