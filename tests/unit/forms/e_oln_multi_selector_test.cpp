// The two-pane selector: filling, moves in any order against a reference, the report modes,
// the start failures, the position failure and Cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "base/exceptions.h"
#include "forms/side_node.h"
#include "forms/tag_obj.h"
#include "support/message_of.h"
#include "test_selector.h"

namespace cd::test {
namespace {

class SelectorTest : public ::testing::Test {
 protected:
  // Starts an edit of the tree given as lines; the nodes named in selected start on side 1.
  void Start(const std::vector<std::string>& lines, std::set<std::string> selected = {}) {
    BuildTree(source_, lines);
    preselected_ = std::move(selected);
    form_.DoEditStart(Events());
  }
  TNodeEvent Events() {
    return [this](uint8_t code, TNodeEventPar* par) {
      codes_.push_back(code);
      if (code == ne_GetSourceData) par->SourceData = &source_;
      if (code == ne_GetSelected) par->Selected = preselected_.count(par->Item->GetText()) > 0;
      if (code == ne_GetText)
        par->Text = par->Item->GetText() == blank_ ? "" : par->Item->GetText();
      if (code == ne_Report) reported_.push_back(par->Item->GetText());
    };
  }
  void Move(int side, const std::string& text) {
    form_.RequestMove(side, *NodeNamed(*form_.SideOutline(side), text));
  }
  std::string Side(int side) { return Shown(form_.SideOutline(side)->RootNode()); }

  TObjectOutline source_{nullptr};
  TTestSelector form_;
  std::set<std::string> preselected_;
  std::string blank_;  // the caption answered empty
  std::vector<uint8_t> codes_;
  std::vector<std::string> reported_;
};

TEST_F(SelectorTest, PreselectedLeafShowsUnderACopyOfItsParent) {
  Start({"P", " A", " B", "Q"}, {"A"});
  EXPECT_EQ(Side(0), "P(B),Q");
  EXPECT_EQ(Side(1), "P(A)");
}

TEST_F(SelectorTest, PreselectedParentSelectsItsBranch) {
  Start({"P", " A", "  A1", " B", "Q"}, {"P"});
  EXPECT_EQ(Side(0), "Q");
  EXPECT_EQ(Side(1), "P(A(A1),B)");
}

TEST_F(SelectorTest, MovingTheLastChildRemovesEmptiedAncestors) {
  Start({"P", " A", "  A1", " B", "Q"}, {"B"});
  Move(0, "A1");
  EXPECT_EQ(Side(0), "Q");
  EXPECT_EQ(Side(1), "P(A(A1),B)");
  Move(1, "P");
  EXPECT_EQ(Side(0), "P(A(A1),B),Q");
  EXPECT_EQ(Side(1), "");
}

TEST_F(SelectorTest, LeavesOnlyIgnoresParents) {
  Start({"P", " A", " B"});
  form_.SetOptions(so_LeavesOnly);
  Move(0, "P");
  EXPECT_EQ(Side(1), "");
  Move(0, "B");
  EXPECT_EQ(Side(1), "P(B)");
}

TEST_F(SelectorTest, EmptyCaptionIsStillPlaced) {
  blank_ = "A";
  Start({"P", " A", " B"});
  EXPECT_EQ(Side(0), "P(,B)");
}

TEST_F(SelectorTest, SidesAbove20NodesStartCollapsed) {
  std::vector<std::string> lines{"Big"};
  for (int i = 0; i < 20; ++i) lines.push_back(" leaf" + std::to_string(i));
  lines.push_back("Small");
  lines.push_back(" one");
  Start(lines, {"Small"});
  EXPECT_FALSE(NodeNamed(form_.from, "Big")->Expanded());
  EXPECT_TRUE(NodeNamed(form_.to, "Small")->Expanded());
}

// Moves in any order: each side shows exactly the source nodes with a leaf of that side below
// them, in source order.
TEST_F(SelectorTest, RandomMovesKeepSourceOrder) {
  std::mt19937 random(20261209);
  for (int round = 0; round < 40; ++round) {
    source_.Clear();
    std::vector<std::string> lines;
    size_t level = 0;
    for (int i = 0; i < 40; ++i) {
      level = i == 0 ? 0 : std::uniform_int_distribution<size_t>(0, level + 1)(random);
      lines.push_back(std::string(level, ' ') + "n" + std::to_string(i));
    }
    std::set<std::string> pre;
    for (int i = 0; i < 40; ++i)
      if (random() % 4 == 0) pre.insert("n" + std::to_string(i));
    form_.EndEdit();
    Start(lines, pre);
    // The reference: which side each source leaf is on.
    std::map<const TOutlineNode*, int> sideOf;
    std::function<void(TOutlineNode&, int)> place = [&](TOutlineNode& n, int side) {
      if (!n.HasChildren()) sideOf[&n] = side;
      for (int i = 0; i < n.ChildCount(); ++i) place(n.Child(i), side);
    };
    std::function<void(TOutlineNode&, bool)> init = [&](TOutlineNode& n, bool up) {
      const bool sel = up || pre.count(n.Text());
      if (!n.HasChildren()) sideOf[&n] = sel ? 1 : 0;
      for (int i = 0; i < n.ChildCount(); ++i) init(n.Child(i), sel);
    };
    for (int i = 0; i < source_.RootNode().ChildCount(); ++i)
      init(source_.RootNode().Child(i), false);
    for (int move = 0; move < 30; ++move) {
      const int side = static_cast<int>(random() % 2);
      TObjectOutline& outline = *form_.SideOutline(side);
      if (outline.ItemCount() == 0) continue;
      auto& node = static_cast<TSideNode&>(
          outline.Items(1 + static_cast<int>(random() % outline.ItemCount())));
      place(*node.TagObj()->Node(), 1 - side);
      form_.RequestMove(side, node);
      for (int s = 0; s < 2; ++s) {
        std::function<std::string(TOutlineNode&)> expect = [&](TOutlineNode& n) {
          std::string text;
          for (int i = 0; i < n.ChildCount(); ++i) {
            TOutlineNode& c = n.Child(i);
            const std::string below = expect(c);
            const bool has = c.HasChildren() ? !below.empty() : sideOf[&c] == s;
            if (!has) continue;
            text += (text.empty() ? "" : ",") + c.Text() + (below.empty() ? "" : "(" + below + ")");
          }
          return text;
        };
        ASSERT_EQ(Side(s), expect(source_.RootNode())) << "round " << round << " move " << move;
      }
      TObjectOutline& other = *form_.SideOutline(1 - side);
      ASSERT_EQ(other.RowCount(), other.ItemCount()) << "the side moved to is fully expanded";
    }
  }
}

TEST_F(SelectorTest, ReportModes) {
  struct Case {
    uint8_t options;
    std::vector<std::string> reported;
  };
  const Case cases[] = {
      {0, {"A1", "B", "C1"}},
      {so_ReportParents, {"P", "A", "A1", "B", "R", "C1"}},
      {so_ReportTopmost, {"P", "C1"}},
  };
  for (const Case& c : cases) {
    form_.EndEdit();
    source_.Clear();
    Start({"P", " A", "  A1", " B", "Q", "R", " C1", " C2"}, {"P", "C1"});
    form_.SetOptions(c.options);
    reported_.clear();
    codes_.clear();
    form_.Apply(1);
    EXPECT_EQ(reported_, c.reported) << int(c.options);
    EXPECT_EQ(codes_.front(), ne_BeginReport);
  }
}

TEST_F(SelectorTest, StartFailures) {
  EXPECT_EQ(MessageOf([&] { form_.DoEditStart(nullptr); }),
            "TELookupForm.DoEditStart: Missing Event");
  EXPECT_EQ(MessageOf([&] { form_.DoEditStart([](uint8_t, TNodeEventPar*) {}); }),
            "TELookupForm.DoEditStart: Missing SourceData");
}

// A caption callback that moves its node within the source leaves the edit's position wrong.
TEST_F(SelectorTest, NodeMovedInTheSourceIsRefused) {
  BuildTree(source_, {"P", " A", " B"});
  const TNodeEvent moving = [&](uint8_t code, TNodeEventPar* par) {
    if (code == ne_GetSourceData) par->SourceData = &source_;
    if (code != ne_GetText || par->Item->GetText() != "A") return;
    auto* node = dynamic_cast<TOutlineNode*>(par->Item->ItemObject());
    TOutlineNode* parent = node->Parent();
    parent->AddChild(parent->Remove(*node));
  };
  EXPECT_EQ(MessageOf([&] { form_.DoEditStart(moving); }),
            "TTagObj.AdjustSide.ParentIdx: Something wrong");
}

TEST_F(SelectorTest, AcceptReportsAndCancelReportsNothing) {
  BuildTree(source_, {"P", " A", " B"});
  form_.modal = [&](TTestSelector& f) {
    f.RequestMove(0, *NodeNamed(f.from, "B"));
    return 1;
  };
  form_.Edit(Events());
  EXPECT_EQ(reported_, std::vector<std::string>{"B"});
  EXPECT_EQ(form_.from.ItemCount() + form_.to.ItemCount(), 0);
  EXPECT_EQ(form_.TagOf(source_.RootNode()), nullptr);

  reported_.clear();
  codes_.clear();
  form_.modal = [](TTestSelector& f) {
    f.RequestMove(0, *NodeNamed(f.from, "A"));
    return TELookupForm::kModalCancel;
  };
  EXPECT_THROW(form_.Edit(Events()), EAbort);
  EXPECT_TRUE(reported_.empty());
  EXPECT_EQ(std::count(codes_.begin(), codes_.end(), ne_BeginReport), 0);
  EXPECT_EQ(form_.from.ItemCount() + form_.to.ItemCount(), 0);
}

TEST_F(SelectorTest, EditModeSetsTheBorder) {
  form_.SetEditMode(TELookupForm::kEditModeEdit);
  EXPECT_EQ(form_.BorderStyle(), TFormBorderStyle::bsSizeable);
  form_.SetEditMode(0);
  EXPECT_EQ(form_.BorderStyle(), TFormBorderStyle::bsNone);
}

}  // namespace
}  // namespace cd::test
