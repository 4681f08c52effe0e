// TEOlnMultiSelector: filling the two sides, placing side nodes in source order, moving
// branches between the sides and reporting the selection.
#include "forms/e_oln_multi_selector.h"

#include <utility>
#include <vector>

#include "base/exceptions.h"
#include "forms/side_node.h"
#include "forms/tag_obj.h"
#include "outline/object_outline.h"

namespace cd {
namespace {

constexpr int kCollapseAbove = 20;

ILookupItem* ItemOf(TOutlineNode& node) {
  return dynamic_cast<ILookupItem*>(&node);
}

// Whether node and every node above it is expanded, so that a node put below it is shown.
bool Shown(const TOutlineNode& node) {
  for (const TOutlineNode* n = &node; n; n = n->Parent())
    if (!n->Expanded()) return false;
  return true;
}

// Expands the whole outline (unless every node already is) and redraws it.
void ExpandAndRedraw(TObjectOutline& outline) {
  if (outline.RowCount() != outline.ItemCount()) outline.FullExpand();
  outline.Invalidate();
}

}  // namespace

const TClassInfo& TEOlnMultiSelector::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TEOlnMultiSelector>("TEOlnMultiSelector", &TELookupForm::StaticClass()).Build();
  return info;
}

TEOlnMultiSelector::TEOlnMultiSelector(TComponent* owner) : TELookupForm(owner) {}

// The form's end of an edit: the tags go. The side outlines are the concrete dialog's and may
// be gone already; their nodes let go of the tags as they went.
TEOlnMultiSelector::~TEOlnMultiSelector() {
  tags_.clear();
}

template <typename Visit>
void TEOlnMultiSelector::ForEachBelow(TOutlineNode& top, Visit visit) {
  std::vector<std::pair<TOutlineNode*, int>> stack{{&top, 0}};
  while (!stack.empty()) {
    auto& [node, next] = stack.back();
    if (next == node->ChildCount()) {
      stack.pop_back();
      continue;
    }
    const int position = next++;
    TOutlineNode& child = node->Child(position);
    visit(child, position);
    stack.emplace_back(&child, 0);
  }
}

TTagObj* TEOlnMultiSelector::TagOf(const TOutlineNode& node) const {
  const auto found = tags_.find(&node);
  return found == tags_.end() ? nullptr : found->second.get();
}

void TEOlnMultiSelector::AttachTags(TOutlineNode& root) {
  tags_.clear();
  tags_.emplace(&root, std::make_unique<TTagObj>(root, *this, nullptr, 0));
  ForEachBelow(root, [&](TOutlineNode& node, int position) {
    TTagObj* parentTag = tags_.at(node.Parent()).get();
    tags_.emplace(&node, std::make_unique<TTagObj>(node, *this, parentTag, position));
  });
}

// A node is selected when the callback says so or its parent is: a selected branch is
// selected whole. The record's Selected is cleared once for the pass, as callers expect.
void TEOlnMultiSelector::MarkSelected() {
  TNodeEventPar par;
  par.Selected = false;
  ForEachBelow(source_->RootNode(), [&](TOutlineNode& node, int) {
    TTagObj& tag = *tags_.at(&node);
    par.Item = ItemOf(node);
    Callback()(ne_GetSelected, &par);
    const TTagObj* parent = tag.ParentTag();
    if (par.Selected || (parent->ParentTag() && parent->Selected())) tag.SetSelected(true);
  });
}

void TEOlnMultiSelector::Populate() {
  source_ = dynamic_cast<TOutlineTree*>(SourceData());
  if (!source_) throw Exception("TEOlnMultiSelector.Populate: SourceData is not an outline");
  for (int side = 0; side < 2; ++side) sides_[side] = CreateSideOutline(side);
  AttachTags(source_->RootNode());
  MarkSelected();
  for (TObjectOutline* side : sides_) {
    side->BeginUpdate();
    side->Clear();
  }
  ForEachBelow(source_->RootNode(), [&](TOutlineNode& node, int) {
    if (node.HasChildren()) return;
    TTagObj& tag = *tags_.at(&node);
    AdjustSide(tag, tag.Selected() ? 1 : 0);
  });
  for (TObjectOutline* side : sides_) {
    side->EndUpdate();
    ExpandAndRedraw(*side);
    if (side->ItemCount() > kCollapseAbove) side->FullCollapse();
  }
}

TSideNode& TEOlnMultiSelector::AdjustSide(TTagObj& tag, int side) {
  if (TSideNode* existing = tag.SideNode(side)) return *existing;
  TTagObj* parentTag = tag.ParentTag();
  if (!parentTag) throw Exception("TTagObj.AdjustSide.ParentIdx: Something wrong");
  TOutlineNode& parentSide = parentTag->ParentTag()
                                 ? static_cast<TOutlineNode&>(AdjustSide(*parentTag, side))
                                 : sides_[side]->RootNode();
  auto made = std::make_unique<TSideNode>(nullptr);
  TNodeEventPar par;
  par.Item = ItemOf(*tag.Node());
  Callback()(ne_GetText, &par);
  made->SetText(par.Text);
  const TOutlineNode* sourceParent = tag.Node()->Parent();
  const int position = tag.Position();
  if (!sourceParent || sourceParent != parentTag->Node() ||
      position >= sourceParent->ChildCount() || &sourceParent->Child(position) != tag.Node())
    throw Exception("TTagObj.AdjustSide.ParentIdx: Something wrong");
  // A parent made where every row is shown is made expanded: the full expansion that ends a
  // move then has nothing left to do.
  if (tag.Node()->HasChildren() && Shown(parentSide)) made->SetExpanded(true);
  auto& node = static_cast<TSideNode&>(
      parentSide.InsertChild(parentTag->ShownBefore(side, position), std::move(made)));
  node.Link(tag, side);
  return node;
}

void TEOlnMultiSelector::RequestMove(int side, TOutlineNode& node) {
  if ((options_ & so_LeavesOnly) && node.HasChildren()) return;
  HandleMessage(kMoveMessage, side, &node);
}

void TEOlnMultiSelector::HandleMessage(int message, int side, TOutlineNode* node) {
  if (message != kMoveMessage || side < 0 || side > 1) return;
  if (auto* sideNode = dynamic_cast<TSideNode*>(node)) MoveToOtherSide(side, *sideNode);
}

// The moved node goes with its branch, and with each ancestor left empty by it: the topmost
// of the ancestors that have no other child goes, and everything below it.
void TEOlnMultiSelector::MoveToOtherSide(int from, TSideNode& node) {
  TTagObj* tag = node.TagObj();
  if (!tag || node.Outline() != sides_[from]) return;
  TObjectOutline& fromSide = *sides_[from];
  fromSide.BeginUpdate();
  TOutlineNode* top = &node;
  while (!top->Parent()->IsRoot() && top->Parent()->ChildCount() == 1) top = top->Parent();
  top->Parent()->Remove(*top);
  fromSide.EndUpdate();
  fromSide.Invalidate();

  const int to = 1 - from;
  sides_[to]->BeginUpdate();
  PlaceLeaves(*tag->Node(), to);
  sides_[to]->EndUpdate();
  ExpandAndRedraw(*sides_[to]);
}

void TEOlnMultiSelector::PlaceLeaves(TOutlineNode& branch, int side) {
  if (!branch.HasChildren()) {
    AdjustSide(*tags_.at(&branch), side);
    return;
  }
  ForEachBelow(branch, [&](TOutlineNode& node, int) {
    if (!node.HasChildren()) AdjustSide(*tags_.at(&node), side);
  });
}

void TEOlnMultiSelector::Apply(int /*modalResult*/) {
  Callback()(ne_BeginReport, nullptr);
  const bool parents = options_ & (so_ReportParents | so_ReportTopmost);
  const bool topmost = options_ & so_ReportTopmost;
  ForEachBelow(source_->RootNode(), [&](TOutlineNode& node, int) {
    if (!parents && node.HasChildren()) return;
    const TTagObj& tag = *tags_.at(&node);
    if (!tag.SideNode(1)) return;
    if (topmost) {
      const TTagObj* parent = tag.ParentTag();
      if (parent->ParentTag() && !parent->SideNode(0)) return;
      if (node.HasChildren() && tag.SideNode(0)) return;
    }
    TNodeEventPar par;
    par.Item = ItemOf(node);
    Callback()(ne_Report, &par);
  });
}

void TEOlnMultiSelector::EndEdit() {
  tags_.clear();
  source_ = nullptr;
  for (TObjectOutline* side : sides_)
    if (side) side->Clear();
  TELookupForm::EndEdit();
}

}  // namespace cd
