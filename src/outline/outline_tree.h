// TOutlineTree: what an outline control holds for its nodes: the root node, the depth-first
// order with node by index, the update counter and the notifications the nodes send when they
// expand or collapse. The control derives from it and adds rows, drawing and input.
#pragma once

#include <memory>
#include <string>

#include "config/component.h"
#include "outline/node_order.h"

namespace cd {

class TOutlineNode;

class TOutlineTree : public TComponent {
 public:
  explicit TOutlineTree(TComponent* owner);
  ~TOutlineTree() override;

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Made through the node factory on first use.
  TOutlineNode& RootNode();
  // The number of nodes, which is also the index of the last one.
  int ItemCount();
  // Fails with EOutlineError "Outline index not found" when no node has index.
  TOutlineNode& Items(int index);
  // The last node in depth-first order; the root when there are none.
  TOutlineNode& LastNode();
  // Removes every node.
  virtual void Clear();

  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateCount_ > 0; }

  // Node factory: for an empty text a new TMyNode; otherwise the node read from the object
  // text "object " + text + " end", whose Tag is set to this outline's Tag after that has been
  // increased by one. The node refers to this outline and has no parent yet.
  virtual std::unique_ptr<TOutlineNode> NewNode(const std::string& text);

  // Told by a node before it expands and after it collapsed, with its index.
  virtual void NodeExpanded(int) {}
  virtual void NodeCollapsed(int) {}
  // Told by a node before it takes child out of its children.
  virtual void NodeRemoving(TOutlineNode&) {}
  // Asked by a node to show the rows again.
  virtual void Invalidate() {}
  // The update state switches on when the counter leaves 0 and off when it returns to 0.
  virtual void SetUpdateState(bool) {}

  // The form the nodes are written in: the one they were last read in, so that a stored
  // outline is written back as it came; for a new outline the one the storage switches of
  // stored_nodes.h choose (nested objects, as node storing is off).
  enum class TNodeForm { Nested, BinNodes, Nodes };
  TNodeForm NodeForm() const { return nodeForm_; }
  void SetNodeForm(TNodeForm form) { nodeForm_ = form; }

  // In the nested form the top-level nodes are the objects written inside the outline's; the
  // outline owns those read inside it.
  void GetChildren(const std::function<void(TComponent*)>& proc) const override;
  TComponent* GetChildOwner() override { return this; }

 private:
  friend class TOutlineNode;

  std::unique_ptr<TOutlineNode> root_;
  TNodeOrder order_;
  int updateCount_ = 0;
  TNodeForm nodeForm_;
};

}  // namespace cd
