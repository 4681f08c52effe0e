// TOutlineNode: a node of an outline's tree. It owns its children in order, keeps the number of
// rows shown below it while expanded, and knows its position in the outline's depth-first
// order. A node is no owned component: its parent holds it, the outline is only referred to.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "config/component.h"
#include "outline/node_message.h"

namespace cd {

class TOutlineTree;
class TNodeOrder;

class TOutlineNode : public TComponent {
 public:
  // The outline is owner itself when it is an outline, the owner's outline when it is a node.
  // While such an owner is being read, the new node is appended at once to the owner node, or
  // to the outline's root.
  explicit TOutlineNode(TComponent* owner);
  ~TOutlineNode() override;

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text) { text_ = text; }
  intptr_t NodeData() const { return nodeData_; }
  void SetNodeData(intptr_t data) { nodeData_ = data; }
  TOutlineTree* Outline() const { return outline_; }
  TOutlineNode* Parent() const { return parent_; }

  int ChildCount() const { return static_cast<int>(children_.size()); }
  // Fails with "List index out of bounds (%d)".
  TOutlineNode& Child(int position) const;
  bool HasChildren() const { return !children_.empty(); }
  int Level() const;

  // Appends child (it must have no parent); returns it.
  TOutlineNode& AddChild(std::unique_ptr<TOutlineNode> child);
  // Inserts child before the child at position (0..ChildCount()); returns it.
  TOutlineNode& InsertChild(int position, std::unique_ptr<TOutlineNode> child);
  // Destroys the child at position.
  void Delete(int position);
  // Takes child out of this node's children; the caller owns it.
  std::unique_ptr<TOutlineNode> Remove(TOutlineNode& child);

  bool Expanded() const { return expanded_; }
  // Expanding fails with EOutlineError "Parent must be expanded" unless every ancestor is
  // expanded; collapsing collapses every descendant first.
  void SetExpanded(bool expanded);
  // Expands this node and every descendant that has children.
  void FullExpand();
  // Rows shown below this node while it is expanded.
  int ExpandedCount() const { return expandedCount_; }
  // Position in the outline's depth-first order (the root is 0); -1 outside an outline's tree.
  int Index() const;
  bool IsRoot() const { return isRoot_; }

  // Copies Text, NodeData, Tag and copies of the children; fails with "TOutlineNode.Assign:
  // Source is not TOutlineNode".
  void Assign(const TPersistent& source) override;
  // Whether text, NodeData and ExpandedCount are equal.
  bool SameAs(const TOutlineNode& other) const;

  // A message of the outline; nodes that do not answer it leave it alone.
  virtual void NodeMessage(TNodeMessage&) {}

  void GetChildren(const std::function<void(TComponent*)>& proc) const override;
  TComponent* GetChildOwner() override { return this; }

  // Refers this node and its descendants to outline (for a node made without an owner).
  void AttachOutline(TOutlineTree* outline);

 private:
  friend class TOutlineTree;
  friend class TNodeOrder;

  void CollapseTree();
  void CollapseSelf();
  void AddToExpandedChain(int rows);
  TNodeOrder* OrderOfTree() const;

  std::string text_;
  intptr_t nodeData_ = 0;
  TOutlineTree* outline_ = nullptr;
  TOutlineNode* parent_ = nullptr;
  std::vector<std::unique_ptr<TOutlineNode>> children_;
  bool expanded_ = false;
  bool isRoot_ = false;
  int expandedCount_ = 0;
  int index_ = -1;  // kept by the outline's node order
};

}  // namespace cd
