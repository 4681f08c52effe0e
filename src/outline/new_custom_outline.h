// TNewCustomOutline: a tree shown on a one-column grid. Every visible node is one row (row r
// shows visible node r + 1), and the grid has a current row; the current node is the node of
// that row. The views only show this state and pass the user's input on.
#pragma once

#include <cstdint>
#include <functional>

#include "outline/colors.h"
#include "outline/outline_node.h"
#include "outline/outline_options.h"
#include "outline/outline_tree.h"

namespace cd {

class TNewCustomOutline : public TOutlineTree {
 public:
  explicit TNewCustomOutline(TComponent* owner);
  ~TNewCustomOutline() override;

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The grid: one row for each visible node, the current row, the first row in view.
  int RowCount() { return RootNode().ExpandedCount(); }
  int Row();
  int TopRow() const { return topRow_; }
  void SetTopRow(int row);
  // The rows that fit the height (at least one).
  int VisibleRowCount() const;
  // The row at y pixels from the top of the control; may lie beyond the last row.
  int RowAt(int y) const;
  // The node shown in row; nullptr when no row has that number.
  TOutlineNode* NodeAtRow(int row);
  // The row of node; -1 when the node is hidden under a collapsed ancestor.
  int RowOfNode(const TOutlineNode& node) const;

  // The node whose row is current; the root while nothing was selected.
  TOutlineNode& CurrentNode() { return current_ ? *current_ : RootNode(); }
  // Reading may move the current node: to the node of the current row when it was the root,
  // to its nearest visible ancestor when it is hidden. The index of the current node.
  int SelectedItem();
  // Ignored while updating. 0 selects the first node when there is one; below 1 fails with
  // EOutlineError "Invalid selection"; an index of no node with "Outline index not found".
  // A hidden node's nearest visible ancestor becomes current. Fires OnSelectedItemChange.
  void SetSelectedItem(int index);
  void SelectNode(TOutlineNode& node) { SetSelectedItem(node.Index()); }

  void FullExpand();
  void FullCollapse();
  // Within one update: expands every node, then collapses every node of that level.
  void CollapseLevel(int level);
  void Clear() override;

  // Keys: the grid moves its current row (Up, Down, Prior, Next), then the tree's handling
  // (Home, End, Left, Right, Ctrl+Up, Ctrl+Down, Ctrl+multiply, any other key selects the
  // node of the current row). Does nothing when there are no nodes.
  virtual void KeyDown(uint16_t key, uint32_t shift);

  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  int32_t DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int32_t height);
  uint32_t Options() const { return options_; }
  void SetOptions(uint32_t options);
  int32_t Color() const { return color_; }
  void SetColor(int32_t color) { color_ = color; }
  const std::string& Hint() const { return hint_; }

  // Events: a node expanded or collapsed (with its index), a node became current.
  std::function<void(TNewCustomOutline&, int index)> onExpand;
  std::function<void(TNewCustomOutline&, int index)> onCollapse;
  std::function<void(TNewCustomOutline&, TOutlineNode&)> onSelectedItemChange;
  // The view's: show every row again, show one row again.
  std::function<void()> onInvalidate;
  std::function<void(int row)> onInvalidateRow;

  void NodeExpanded(int index) override;
  void NodeCollapsed(int index) override;
  void NodeRemoving(TOutlineNode& node) override;
  void Invalidate() override;
  void SetUpdateState(bool updating) override;

 protected:
  void InvalidateRow(int row);
  // The grid's own key handling: the row it moves to.
  int GridRowAfterKey(uint16_t key, uint32_t shift);
  static bool Within(const TOutlineNode* node, const TOutlineNode& subtree);

  int32_t left_ = 0;
  int32_t top_ = 0;
  int32_t width_ = 121;
  int32_t height_ = 97;
  std::string hint_;
  TComponent* scrollBar_ = nullptr;
  int32_t defaultRowHeight_ = 24;
  int32_t colCount_ = 1;
  int32_t fixedRows_ = 0;
  int32_t fixedCols_ = 0;
  bool defaultDrawing_ = false;
  uint32_t options_ =
      SetBit(TOutlineOption::ooDrawTreeRoot) | SetBit(TOutlineOption::ooDrawFocusRect);
  int32_t color_ = kClWindow;

 private:
  void MakeCurrent(TOutlineNode& node);

  TOutlineNode* current_ = nullptr;
  int row_ = 0;
  int topRow_ = 0;
};

}  // namespace cd
