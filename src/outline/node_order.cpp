// The depth-first order of an outline's nodes, extended in place or rebuilt on demand.
#include "outline/node_order.h"

#include "outline/outline_node.h"

namespace cd {
namespace {

// Calls visit for node and each descendant in depth-first order, without recursion.
template <class Visit>
void ForSubtree(TOutlineNode& node, Visit visit) {
  std::vector<TOutlineNode*> pending{&node};
  while (!pending.empty()) {
    TOutlineNode* current = pending.back();
    pending.pop_back();
    visit(*current);
    for (int i = current->ChildCount() - 1; i >= 0; --i) pending.push_back(&current->Child(i));
  }
}

}  // namespace

void TNodeOrder::SetRoot(TOutlineNode* root) {
  root_ = root;
  nodes_.clear();
  count_ = 0;
  stale_ = false;
  if (root) Attached(*root);
}

int TNodeOrder::IndexOf(const TOutlineNode& node) {
  if (stale_) Rebuild();
  return node.index_;
}

TOutlineNode* TNodeOrder::At(int index) {
  if (stale_) Rebuild();
  if (index < 0 || index >= static_cast<int>(nodes_.size())) return nullptr;
  return nodes_[index];
}

TOutlineNode* TNodeOrder::Last() const {
  TOutlineNode* node = root_;
  while (node && node->HasChildren()) node = &node->Child(node->ChildCount() - 1);
  return node;
}

bool TNodeOrder::InTree(const TOutlineNode& node) const {
  const TOutlineNode* top = &node;
  while (top->Parent()) top = top->Parent();
  return top == root_;
}

// Whether node and each of its ancestors is the last child of its parent, so that its subtree
// ends the order.
bool TNodeOrder::AtEnd(const TOutlineNode& node) const {
  for (const TOutlineNode* n = &node; n->Parent(); n = n->Parent())
    if (&n->Parent()->Child(n->Parent()->ChildCount() - 1) != n) return false;
  return true;
}

void TNodeOrder::Attached(TOutlineNode& node) {
  if (!root_ || !InTree(node)) return;
  const bool append = !stale_ && AtEnd(node);
  ForSubtree(node, [&](TOutlineNode& n) {
    ++count_;
    if (append) {
      n.index_ = static_cast<int>(nodes_.size());
      nodes_.push_back(&n);
    }
  });
  if (!append) stale_ = true;
}

void TNodeOrder::Detaching(TOutlineNode& node) {
  if (!root_ || !InTree(node)) return;
  const int first = node.index_;
  int size = 0;
  ForSubtree(node, [&](TOutlineNode& n) {
    ++size;
    n.index_ = -1;
  });
  count_ -= size;
  if (!stale_ && first >= 0 && first + size == static_cast<int>(nodes_.size()))
    nodes_.resize(first);
  else
    stale_ = true;
}

void TNodeOrder::Rebuild() {
  nodes_.clear();
  nodes_.reserve(count_);
  if (root_)
    ForSubtree(*root_, [&](TOutlineNode& n) {
      n.index_ = static_cast<int>(nodes_.size());
      nodes_.push_back(&n);
    });
  stale_ = false;
}

}  // namespace cd
