// The node tree: children, levels, expansion with its row counts, and Assign.
#include "outline/outline_node.h"

#include "base/exceptions.h"
#include "config/class_registry.h"
#include "outline/outline_tree.h"
#include "util/format.h"

namespace cd {
namespace {

TOutlineTree* OutlineOf(TComponent* owner) {
  if (auto* outline = dynamic_cast<TOutlineTree*>(owner)) return outline;
  if (auto* node = dynamic_cast<TOutlineNode*>(owner)) return node->Outline();
  return nullptr;
}

bool HoldsNodes(TComponent* owner) {
  return dynamic_cast<TOutlineTree*>(owner) || dynamic_cast<TOutlineNode*>(owner);
}

}  // namespace

// The nodes store Tag after their text, so their record does not inherit the component's keys.
const TClassInfo& TOutlineNode::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TOutlineNode>("TOutlineNode", &TPersistent::StaticClass()).Build();
  return info;
}

// Under a node or an outline the parent owns the node; under any other component (a node
// read inside some other object) that component does, as it would own any other.
TOutlineNode::TOutlineNode(TComponent* owner)
    : TComponent(HoldsNodes(owner) ? nullptr : owner), outline_(OutlineOf(owner)) {
  if (!HoldsNodes(owner) || !owner->IsReading()) return;
  if (auto* node = dynamic_cast<TOutlineNode*>(owner))
    node->AddChild(std::unique_ptr<TOutlineNode>(this));
  else
    outline_->RootNode().AddChild(std::unique_ptr<TOutlineNode>(this));
}

TOutlineNode::~TOutlineNode() {
  if (parent_) parent_->Remove(*this).release();
  for (auto& child : children_) child->parent_ = nullptr;
  children_.clear();
}

TOutlineNode& TOutlineNode::Child(int position) const {
  if (position < 0 || position >= ChildCount())
    throw EListError(Format("List index out of bounds (%d)", {position}));
  return *children_[position];
}

int TOutlineNode::Level() const {
  int level = 0;
  for (const TOutlineNode* n = parent_; n; n = n->parent_) ++level;
  return level;
}

TNodeOrder* TOutlineNode::OrderOfTree() const {
  return outline_ ? &outline_->order_ : nullptr;
}

void TOutlineNode::AttachOutline(TOutlineTree* outline) {
  outline_ = outline;
  for (auto& child : children_) child->AttachOutline(outline);
}

TOutlineNode& TOutlineNode::AddChild(std::unique_ptr<TOutlineNode> child) {
  return InsertChild(ChildCount(), std::move(child));
}

TOutlineNode& TOutlineNode::InsertChild(int position, std::unique_ptr<TOutlineNode> child) {
  if (position < 0 || position > ChildCount())
    throw EListError(Format("List index out of bounds (%d)", {position}));
  if (child->parent_) throw EOutlineError("Node already has a parent");
  TOutlineNode& added = *child;
  if (TComponent* owner = added.Owner()) owner->RemoveComponent(&added).release();
  if (outline_ && added.outline_ != outline_) added.AttachOutline(outline_);
  added.parent_ = this;
  children_.insert(children_.begin() + position, std::move(child));
  AddToExpandedChain(added.expandedCount_ + 1);
  if (TNodeOrder* order = OrderOfTree()) order->Attached(added);
  return added;
}

std::unique_ptr<TOutlineNode> TOutlineNode::Remove(TOutlineNode& child) {
  auto it = children_.begin();
  while (it != children_.end() && it->get() != &child) ++it;
  if (it == children_.end()) throw EOutlineError("Node is not a child of this node");
  if (outline_) outline_->NodeRemoving(child);
  if (TNodeOrder* order = OrderOfTree()) order->Detaching(child);
  AddToExpandedChain(-(child.expandedCount_ + 1));
  std::unique_ptr<TOutlineNode> removed = std::move(*it);
  children_.erase(it);
  removed->parent_ = nullptr;
  if (children_.empty() && !isRoot_) SetExpanded(false);
  return removed;
}

void TOutlineNode::Delete(int position) {
  Remove(Child(position));
}

void TOutlineNode::AddToExpandedChain(int rows) {
  for (TOutlineNode* n = this; n && n->expanded_; n = n->parent_) n->expandedCount_ += rows;
}

void TOutlineNode::SetExpanded(bool expanded) {
  if (expanded == expanded_) return;
  if (!expanded) {
    CollapseTree();
    return;
  }
  for (const TOutlineNode* n = parent_; n; n = n->parent_)
    if (!n->expanded_) throw EOutlineError("Parent must be expanded");
  if (outline_) {
    const int index = Index();
    if (index >= 0) outline_->NodeExpanded(index);
  }
  expanded_ = true;
  AddToExpandedChain(ChildCount());
}

// Collapses the expanded descendants deepest first, then this node.
void TOutlineNode::CollapseTree() {
  for (auto& child : children_)
    if (child->expanded_ || child->HasChildren()) child->CollapseTree();
  if (expanded_) CollapseSelf();
}

void TOutlineNode::CollapseSelf() {
  AddToExpandedChain(-ChildCount());
  if (outline_) {
    const int index = Index();
    if (index >= 0) outline_->NodeCollapsed(index);
    if (!outline_->Updating()) outline_->Invalidate();
  }
  expanded_ = false;
}

void TOutlineNode::FullExpand() {
  if (!HasChildren()) return;
  SetExpanded(true);
  for (auto& child : children_) child->FullExpand();
}

int TOutlineNode::Index() const {
  TNodeOrder* order = OrderOfTree();
  return order ? order->IndexOf(*this) : -1;
}

void TOutlineNode::Assign(const TPersistent& source) {
  const auto* node = dynamic_cast<const TOutlineNode*>(&source);
  if (!node) throw Exception("TOutlineNode.Assign: Source is not TOutlineNode");
  if (node == this) return;
  text_ = node->text_;
  nodeData_ = node->nodeData_;
  SetTag(node->Tag());
  // A copy of an ancestor grows the source while it is read: only the children it had count.
  const int count = node->ChildCount();
  for (int i = 0; i < count; ++i) {
    const TOutlineNode& from = node->Child(i);
    const TClassInfo& cls = FindClass(from.ClassName());
    std::unique_ptr<TPersistent> made(cls.create ? cls.create(nullptr) : nullptr);
    auto* copy = dynamic_cast<TOutlineNode*>(made.get());
    if (!copy) throw EInvalidCast();
    made.release();
    std::unique_ptr<TOutlineNode> owned(copy);
    owned->AttachOutline(outline_);
    owned->Assign(from);
    AddChild(std::move(owned));
  }
}

bool TOutlineNode::SameAs(const TOutlineNode& other) const {
  return text_ == other.text_ && nodeData_ == other.nodeData_ &&
         expandedCount_ == other.expandedCount_;
}

void TOutlineNode::GetChildren(const std::function<void(TComponent*)>& proc) const {
  for (const auto& child : children_) proc(child.get());
}

}  // namespace cd
