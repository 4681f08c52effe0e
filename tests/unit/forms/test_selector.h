// A two-pane selector for the tests: its two sides are outlines of its own, its modal loop is
// a script, and trees are written as indented lines and shown as "A(A1,A2),B".
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/e_oln_multi_selector.h"
#include "outline/my_node.h"
#include "outline/object_outline.h"

namespace cd::test {

class TTestSelector : public TEOlnMultiSelector {
 public:
  TTestSelector() : TEOlnMultiSelector(nullptr) {}
  TObjectOutline* CreateSideOutline(int side) override { return side == 0 ? &from : &to; }
  int ShowModal() override { return modal ? modal(*this) : 1; }

  TObjectOutline from{nullptr};
  TObjectOutline to{nullptr};
  std::function<int(TTestSelector&)> modal;
};

// Fills outline from lines whose leading spaces give the level ("P", " A", " B", "Q").
inline void BuildTree(TOutlineTree& outline, const std::vector<std::string>& lines) {
  std::vector<TOutlineNode*> path{&outline.RootNode()};
  for (const std::string& line : lines) {
    const size_t level = line.find_first_not_of(' ') + 1;
    path.resize(level);
    auto node = std::make_unique<TMyNode>(nullptr);
    node->SetText(line.substr(level - 1));
    path.push_back(&path.back()->AddChild(std::move(node)));
  }
}

inline std::string Shown(const TOutlineNode& node) {
  std::string text;
  for (int i = 0; i < node.ChildCount(); ++i) {
    const TOutlineNode& child = node.Child(i);
    text += (i ? "," : "") + child.Text();
    if (child.HasChildren()) text += "(" + Shown(child) + ")";
  }
  return text;
}

// The first node of outline with text, depth first; nullptr when none has it.
inline TOutlineNode* NodeNamed(TOutlineTree& outline, const std::string& text) {
  for (int i = 1; i <= outline.ItemCount(); ++i)
    if (outline.Items(i).Text() == text) return &outline.Items(i);
  return nullptr;
}

}  // namespace cd::test
