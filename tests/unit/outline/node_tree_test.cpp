// The node tree: expansion and its row counts, indexes against a plain recount on random
// trees, and the notifications the outline receives.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "outline/my_node.h"
#include "outline/outline_tree.h"
#include "support/message_of.h"

namespace cd {
namespace {

// An outline that records what its nodes tell it.
class TRecordingOutline : public TOutlineTree {
 public:
  TRecordingOutline() : TOutlineTree(nullptr) {}
  void NodeExpanded(int index) override { events.push_back("+" + std::to_string(index)); }
  void NodeCollapsed(int index) override { events.push_back("-" + std::to_string(index)); }
  void Invalidate() override { events.push_back("draw"); }
  std::vector<std::string> events;
};

TOutlineNode& Add(TOutlineNode& parent, const std::string& text) {
  auto node = std::make_unique<TMyNode>(nullptr);
  node->SetText(text);
  return parent.AddChild(std::move(node));
}

TEST(NodeTree, ExpandingNeedsExpandedAncestorsAndCountsRows) {
  TRecordingOutline outline;
  TOutlineNode& a = Add(outline.RootNode(), "a");
  TOutlineNode& b = Add(a, "b");
  Add(b, "c");
  Add(b, "d");
  EXPECT_EQ(test::MessageOf<EOutlineError>([&] { b.SetExpanded(true); }),
            "Parent must be expanded");
  EXPECT_FALSE(b.Expanded());
  a.SetExpanded(true);
  b.SetExpanded(true);
  EXPECT_EQ(outline.events, (std::vector<std::string>{"+1", "+2"}));
  EXPECT_EQ(a.ExpandedCount(), 3);
  EXPECT_EQ(b.ExpandedCount(), 2);
  EXPECT_EQ(outline.RootNode().ExpandedCount(), 4);
  Add(b, "e");
  EXPECT_EQ(a.ExpandedCount(), 4);
  EXPECT_EQ(outline.RootNode().ExpandedCount(), 5);

  outline.events.clear();
  a.SetExpanded(false);  // b first, then a
  EXPECT_EQ(outline.events, (std::vector<std::string>{"-2", "draw", "-1", "draw"}));
  EXPECT_FALSE(b.Expanded());
  EXPECT_EQ(a.ExpandedCount(), 0);
  EXPECT_EQ(outline.RootNode().ExpandedCount(), 1);
}

TEST(NodeTree, RemovingTheLastChildCollapsesItsParent) {
  TRecordingOutline outline;
  TOutlineNode& a = Add(outline.RootNode(), "a");
  Add(a, "b");
  a.SetExpanded(true);
  outline.BeginUpdate();
  a.Delete(0);
  outline.EndUpdate();
  EXPECT_FALSE(a.Expanded());
  EXPECT_EQ(outline.events, (std::vector<std::string>{"+1", "-1"}));  // no drawing in an update
  EXPECT_EQ(outline.RootNode().ExpandedCount(), 1);
  outline.RootNode().Delete(0);
  EXPECT_TRUE(outline.RootNode().Expanded());
  EXPECT_EQ(outline.ItemCount(), 0);
}

TEST(NodeTree, IndexesFollowTheDepthFirstOrder) {
  TRecordingOutline outline;
  TOutlineNode& root = outline.RootNode();
  TOutlineNode& a = Add(root, "a");
  TOutlineNode& c = Add(root, "c");
  TOutlineNode& b = Add(a, "b");  // inserted before c in the order
  EXPECT_EQ(root.Index(), 0);
  EXPECT_EQ(a.Index(), 1);
  EXPECT_EQ(b.Index(), 2);
  EXPECT_EQ(c.Index(), 3);
  EXPECT_EQ(&outline.Items(3), &c);
  EXPECT_EQ(outline.ItemCount(), 3);
  EXPECT_EQ(b.Level(), 2);
  for (int bad : {-1, 4})
    EXPECT_EQ(test::MessageOf<EOutlineError>([&] { outline.Items(bad); }),
              "Outline index not found");
  std::unique_ptr<TOutlineNode> taken = root.Remove(a);
  EXPECT_EQ(taken->Index(), -1);
  EXPECT_EQ(b.Index(), -1);
  EXPECT_EQ(c.Index(), 1);
}

// The plain rules, recounted from scratch: the depth-first position of every node, and for an
// expanded node the rows below it whose ancestors up to it are all expanded.
void ExpectMatchesRecount(TOutlineTree& outline) {
  std::vector<TOutlineNode*> order;
  std::vector<TOutlineNode*> pending{&outline.RootNode()};
  while (!pending.empty()) {
    TOutlineNode* n = pending.back();
    pending.pop_back();
    order.push_back(n);
    for (int i = n->ChildCount() - 1; i >= 0; --i) pending.push_back(&n->Child(i));
  }
  ASSERT_EQ(outline.ItemCount(), static_cast<int>(order.size()) - 1);
  std::function<int(const TOutlineNode&)> rows = [&](const TOutlineNode& n) {
    int count = 0;
    for (int i = 0; i < n.ChildCount(); ++i)
      count += 1 + (n.Child(i).Expanded() ? rows(n.Child(i)) : 0);
    return count;
  };
  for (size_t i = 0; i < order.size(); ++i) {
    ASSERT_EQ(order[i]->Index(), static_cast<int>(i));
    ASSERT_EQ(&outline.Items(static_cast<int>(i)), order[i]);
    ASSERT_EQ(order[i]->ExpandedCount(), order[i]->Expanded() ? rows(*order[i]) : 0);
  }
}

TEST(NodeTree, BookkeepingMatchesTheRecountOnRandomTrees) {
  std::mt19937 random(15);
  for (int round = 0; round < 20; ++round) {
    TRecordingOutline outline;
    for (int step = 0; step < 300; ++step) {
      const int count = outline.ItemCount();
      TOutlineNode& node = outline.Items(static_cast<int>(random() % (count + 1)));
      switch (random() % 7) {
        case 0:
        case 1:
          Add(node, "n");
          break;
        case 2: {
          auto child = std::make_unique<TMyNode>(nullptr);
          node.InsertChild(static_cast<int>(random() % (node.ChildCount() + 1)), std::move(child));
          break;
        }
        case 3:
          if (node.HasChildren()) node.Delete(static_cast<int>(random() % node.ChildCount()));
          break;
        case 4:
          try {
            node.SetExpanded(!node.Expanded());
          } catch (const EOutlineError&) {
          }
          break;
        case 5:
          if (node.Parent() && node.Parent()->Expanded()) node.FullExpand();
          break;
        default:
          if (outline.Updating())
            outline.EndUpdate();
          else
            outline.BeginUpdate();
      }
      if (step % 10 == 0) ExpectMatchesRecount(outline);
    }
    ExpectMatchesRecount(outline);
  }
}

}  // namespace
}  // namespace cd
