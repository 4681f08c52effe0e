// The outline's rows, current node, selection rules and key handling.
#include "outline/new_custom_outline.h"

#include <algorithm>

#include "base/exceptions.h"
#include "outline/outline_feedback.h"
#include "outline/outline_input.h"
#include "outline/outline_node.h"

namespace cd {
namespace {

// The rows a node takes: its own and, while expanded, those below it.
int RowsOf(const TOutlineNode& node) {
  return 1 + (node.Expanded() ? node.ExpandedCount() : 0);
}

// The node itself when it is visible, else its nearest visible ancestor.
TOutlineNode& VisibleSelfOrAncestor(TOutlineNode& node) {
  TOutlineNode* visible = &node;
  for (TOutlineNode* a = node.Parent(); a && !a->IsRoot(); a = a->Parent())
    if (!a->Expanded()) visible = a;
  return *visible;
}

}  // namespace

const TClassInfo& TNewCustomOutline::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TNewCustomOutline>("TNewCustomOutline", &TOutlineTree::StaticClass())
          .Int("Left", &TNewCustomOutline::left_)
          .Int("Top", &TNewCustomOutline::top_)
          .Int("Width", &TNewCustomOutline::width_)
          .Int("Height", &TNewCustomOutline::height_)
          .Str("Hint", &TNewCustomOutline::hint_)
          .Reference(
              "QXScrollBar", [](const TNewCustomOutline& o) { return o.scrollBar_; },
              [](TNewCustomOutline& o, TComponent* c) { o.scrollBar_ = c; })
          .Build();
  return info;
}

TNewCustomOutline::TNewCustomOutline(TComponent* owner) : TOutlineTree(owner) {}

// The nodes go before the members the removal notifications use.
TNewCustomOutline::~TNewCustomOutline() {
  BeginUpdate();
  Clear();
}

int TNewCustomOutline::Row() {
  if (current_) return RowOfNode(VisibleSelfOrAncestor(*current_));
  return std::clamp(row_, 0, std::max(RowCount() - 1, 0));
}

void TNewCustomOutline::SetTopRow(int row) {
  topRow_ = std::clamp(row, 0, std::max(RowCount() - 1, 0));
  if (onInvalidate) onInvalidate();
}

int TNewCustomOutline::VisibleRowCount() const {
  return std::max(1, height_ / std::max(1, defaultRowHeight_));
}

int TNewCustomOutline::RowAt(int y) const {
  if (y < 0) return -1;
  return topRow_ + y / std::max(1, defaultRowHeight_);
}

// Walks down from the root, skipping whole expanded subtrees by their row counts.
TOutlineNode* TNewCustomOutline::NodeAtRow(int row) {
  if (row < 0) return nullptr;
  TOutlineNode* parent = &RootNode();
  int rest = row;
  for (;;) {
    TOutlineNode* next = nullptr;
    for (int i = 0; i < parent->ChildCount() && !next; ++i) {
      TOutlineNode& child = parent->Child(i);
      if (rest == 0) return &child;
      --rest;
      const int below = child.Expanded() ? child.ExpandedCount() : 0;
      if (rest < below)
        next = &child;
      else
        rest -= below;
    }
    if (!next) return nullptr;
    parent = next;
  }
}

int TNewCustomOutline::RowOfNode(const TOutlineNode& node) const {
  if (node.IsRoot() || node.Outline() != this) return -1;
  int row = 0;
  for (const TOutlineNode* n = &node; n->Parent(); n = n->Parent()) {
    const TOutlineNode& parent = *n->Parent();
    if (!parent.Expanded()) return -1;
    for (int i = 0; &parent.Child(i) != n; ++i) row += RowsOf(parent.Child(i));
    if (!parent.IsRoot()) ++row;
  }
  return row;
}

int TNewCustomOutline::SelectedItem() {
  if (!current_ && ItemCount() > 0) current_ = NodeAtRow(Row());
  if (current_) current_ = &VisibleSelfOrAncestor(*current_);
  return CurrentNode().Index();
}

void TNewCustomOutline::SetSelectedItem(int index) {
  if (Updating()) return;
  if (index == 0 && ItemCount() > 0) index = 1;
  if (index < 1) throw EOutlineError("Invalid selection");
  MakeCurrent(VisibleSelfOrAncestor(Items(index)));
}

void TNewCustomOutline::MakeCurrent(TOutlineNode& node) {
  const int oldRow = Row();
  current_ = &node;
  row_ = RowOfNode(node);
  InvalidateRow(oldRow);
  InvalidateRow(row_);
  if (row_ < topRow_) topRow_ = row_;
  if (row_ >= topRow_ + VisibleRowCount()) topRow_ = row_ - VisibleRowCount() + 1;
  if (onSelectedItemChange) onSelectedItemChange(*this, node);
}

void TNewCustomOutline::FullExpand() {
  BeginUpdate();
  TOutlineNode& root = RootNode();
  for (int i = 0; i < root.ChildCount(); ++i) root.Child(i).FullExpand();
  EndUpdate();
}

void TNewCustomOutline::FullCollapse() {
  BeginUpdate();
  TOutlineNode& root = RootNode();
  for (int i = 0; i < root.ChildCount(); ++i) root.Child(i).SetExpanded(false);
  EndUpdate();
}

void TNewCustomOutline::CollapseLevel(int level) {
  BeginUpdate();
  FullExpand();
  if (level >= 0) {
    // From the last node backwards, so that collapsing does not hide nodes still to visit.
    for (int i = ItemCount(); i >= 1; --i) {
      TOutlineNode& node = Items(i);
      if (node.Level() == level) node.SetExpanded(false);
    }
  }
  EndUpdate();
}

void TNewCustomOutline::Clear() {
  TOutlineTree::Clear();
  current_ = nullptr;
  row_ = 0;
  topRow_ = 0;
}

int TNewCustomOutline::GridRowAfterKey(uint16_t key, uint32_t shift) {
  const int row = Row();
  if (shift & kCtrlKey) return row;
  const int last = RowCount() - 1;
  switch (key) {
    case kKeyUp:
      return std::max(row - 1, 0);
    case kKeyDown:
      return std::min(row + 1, last);
    case kKeyPrior:
      return std::max(row - VisibleRowCount(), 0);
    case kKeyNext:
      return std::min(row + VisibleRowCount(), last);
    default:
      return row;
  }
}

void TNewCustomOutline::KeyDown(uint16_t key, uint32_t shift) {
  if (ItemCount() == 0) return;
  const int gridRow = GridRowAfterKey(key, shift);
  TOutlineNode* node = NodeAtRow(Row());
  if (!node) return;
  TOutlineNode& root = RootNode();
  const bool ctrl = (shift & kCtrlKey) != 0;
  TOutlineNode* parent = node->Parent();
  int position = 0;
  while (&parent->Child(position) != node) ++position;

  if (key == kKeyHome) {
    SelectNode(root.Child(0));
  } else if (key == kKeyEnd) {
    TOutlineNode* last = &root.Child(root.ChildCount() - 1);
    while (last->Expanded() && last->HasChildren()) last = &last->Child(last->ChildCount() - 1);
    SelectNode(*last);
  } else if (key == kKeyLeft) {
    if (parent->IsRoot())
      OutlineBeep();
    else
      SelectNode(*parent);
  } else if (key == kKeyRight) {
    if (node->HasChildren() && node->Expanded())
      SelectNode(node->Child(0));
    else
      OutlineBeep();
  } else if (ctrl && (key == kKeyUp || key == kKeyDown)) {
    const int sibling = position + (key == kKeyUp ? -1 : 1);
    if (sibling < 0 || sibling >= parent->ChildCount())
      OutlineBeep();
    else
      SelectNode(parent->Child(sibling));
  } else if (ctrl && key == kKeyMultiply) {
    FullExpand();
  } else if (TOutlineNode* atRow = NodeAtRow(gridRow)) {
    SelectNode(*atRow);
  }
}

void TNewCustomOutline::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
}

void TNewCustomOutline::SetDefaultRowHeight(int32_t height) {
  defaultRowHeight_ = std::max(1, height);
  Invalidate();
}

void TNewCustomOutline::SetOptions(uint32_t options) {
  options_ = options;
  Invalidate();
}

void TNewCustomOutline::NodeExpanded(int index) {
  if (onExpand) onExpand(*this, index);
  Invalidate();
}

void TNewCustomOutline::NodeCollapsed(int index) {
  if (onCollapse) onCollapse(*this, index);
}

bool TNewCustomOutline::Within(const TOutlineNode* node, const TOutlineNode& subtree) {
  for (const TOutlineNode* n = node; n; n = n->Parent())
    if (n == &subtree) return true;
  return false;
}

// A removed current node gives the current row to its parent (nothing when that is the root).
void TNewCustomOutline::NodeRemoving(TOutlineNode& node) {
  if (!Within(current_, node)) return;
  TOutlineNode* parent = node.Parent();
  current_ = parent && !parent->IsRoot() ? parent : nullptr;
  row_ = current_ ? RowOfNode(*current_) : 0;
}

void TNewCustomOutline::Invalidate() {
  if (!Updating() && onInvalidate) onInvalidate();
}

void TNewCustomOutline::InvalidateRow(int row) {
  if (!Updating() && row >= 0 && onInvalidateRow) onInvalidateRow(row);
}

void TNewCustomOutline::SetUpdateState(bool updating) {
  if (!updating) Invalidate();
}

}  // namespace cd
