// TEOlnMultiSelector: a two-pane chooser over a source outline. Side 0 shows the available
// nodes, side 1 the selected ones, each in source order under copies of their source
// ancestors; nodes and whole branches move between the sides, and acceptance reports the
// selected nodes through the callback. The concrete dialog supplies the two outlines.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "forms/e_lookup_form.h"

namespace cd {

class TObjectOutline;
class TOutlineNode;
class TOutlineTree;
class TSideNode;
class TTagObj;

enum TSelectorOption : uint8_t {
  so_LeavesOnly = 1,     // nodes with children cannot be moved
  so_ReportParents = 2,  // acceptance reports nodes with children too
  so_ReportTopmost = 4,  // acceptance reports only the top node of a wholly selected branch
};

class TEOlnMultiSelector : public TELookupForm {
 public:
  // The message a move request sends the dialog: the from side and the side node.
  static constexpr int kMoveMessage = 11927;

  explicit TEOlnMultiSelector(TComponent* owner);
  ~TEOlnMultiSelector() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  uint8_t Options() const { return options_; }
  void SetOptions(uint8_t options) { options_ = options; }
  TObjectOutline* SideOutline(int side) const { return sides_[side]; }
  // The source node's tag during an edit; nullptr outside one.
  TTagObj* TagOf(const TOutlineNode& node) const;

  // The outline that shows side (0 or 1); supplied by the concrete dialog.
  virtual TObjectOutline* CreateSideOutline(int side) = 0;

  void Populate() override;
  void EndEdit() override;
  void Apply(int modalResult) override;
  // Moves node of side to the other side, unless so_LeavesOnly refuses a node with children.
  void RequestMove(int side, TOutlineNode& node);
  // The message kMoveMessage moves the side node at once; others are ignored.
  void HandleMessage(int message, int side, TOutlineNode* node);
  // The node of tag on side, made with the missing ancestors where it has none. Fails with
  // "TTagObj.AdjustSide.ParentIdx: Something wrong" when the source node is no longer where
  // the edit found it.
  TSideNode& AdjustSide(TTagObj& tag, int side);

 private:
  void AttachTags(TOutlineNode& root);
  void MarkSelected();
  void MoveToOtherSide(int from, TSideNode& node);
  void PlaceLeaves(TOutlineNode& branch, int side);
  // Calls visit(node, position among its siblings) for every node below top, depth first,
  // parents first.
  template <typename Visit>
  static void ForEachBelow(TOutlineNode& top, Visit visit);

  TObjectOutline* sides_[2] = {nullptr, nullptr};
  uint8_t options_ = 0;
  TOutlineTree* source_ = nullptr;
  std::unordered_map<const TOutlineNode*, std::unique_ptr<TTagObj>> tags_;
};

}  // namespace cd
