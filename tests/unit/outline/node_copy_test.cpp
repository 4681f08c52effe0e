// Copying nodes with Assign, the lookup item of a plain node, and what an HTML node does with
// its object and its numbering.
#include <gtest/gtest.h>

#include "config/class_registry.h"
#include "config/string_list.h"
#include "outline/font_style.h"
#include "outline/html_node.h"
#include "outline/jump_node.h"
#include "outline/outline_classes.h"
#include "outline/outline_tree.h"
#include "support/message_of.h"
#include "util/lang_string.h"

namespace cd {
namespace {

class NodeCopy : public ::testing::Test {
 protected:
  void SetUp() override { RegisterOutlineClasses(); }
  TOutlineTree outline{nullptr};
};

TEST_F(NodeCopy, AssignCopiesFieldsAndChildrenOfTheSameClass) {
  TMyNode source(nullptr);
  source.SetText("top");
  source.SetTag(7);
  source.SetNodeData(42);
  source.SetFontStyle(SetBit(TFontStyle::fsBold));
  auto jump = std::make_unique<TJumpNode>(nullptr);
  jump->SetCtxStr("ctx");
  source.AddChild(std::move(jump)).AddChild(std::make_unique<TMyNode>(nullptr));
  TOutlineNode& target = outline.RootNode().AddChild(std::make_unique<TMyNode>(nullptr));
  target.Assign(source);
  EXPECT_EQ(target.Text(), "top");
  EXPECT_EQ(target.Tag(), 7);
  EXPECT_EQ(target.NodeData(), 42);
  EXPECT_EQ(static_cast<TMyNode&>(target).FontStyle(), SetBit(TFontStyle::fsBold));
  ASSERT_EQ(target.ChildCount(), 1);
  auto& copied = dynamic_cast<TJumpNode&>(target.Child(0));
  EXPECT_EQ(copied.CtxStr(), "ctx");
  EXPECT_EQ(copied.ChildCount(), 1);
  EXPECT_EQ(copied.Outline(), &outline);
  EXPECT_EQ(outline.ItemCount(), 3);
}

TEST_F(NodeCopy, AssignRefusesOtherSources) {
  TMyNode node(nullptr);
  TStringList notANode;
  EXPECT_EQ(test::MessageOf([&] { node.Assign(notANode); }),
            "TOutlineNode.Assign: Source is not TOutlineNode");
  TMyNode plain(nullptr);
  plain.SetText("p");
  plain.SetTag(3);
  plain.SetFontStyle(SetBit(TFontStyle::fsItalic));
  TJumpNode jump(nullptr);
  EXPECT_EQ(test::MessageOf([&] { jump.Assign(plain); }),
            "TJumpNode.Assign: Source is not TJumpNode");
  EXPECT_EQ(jump.Text(), "p");
  EXPECT_EQ(jump.Tag(), 3);
  EXPECT_EQ(jump.FontStyle(), SetBit(TFontStyle::fsItalic));
}

TEST_F(NodeCopy, HtmlSourceCopiesOnlyItsOwnFields) {
  SetDisplayLanguage("EN");
  THTMLNode source(nullptr);
  source.SetText("\"CZ=Ahoj\",\"EN=Hello\"");
  source.SetId(9);
  source.SetData("d");
  source.SetTag(5);
  source.SetObjClass("TJumpNode");
  static_cast<TJumpNode*>(source.GetObj())->SetCtxStr("inner");
  source.AddChild(std::make_unique<TMyNode>(nullptr));
  THTMLNode target(nullptr);
  target.Assign(source);
  SetDisplayLanguage("");
  EXPECT_EQ(target.Text(), "Hello");
  EXPECT_EQ(target.GetId(), 9);
  EXPECT_EQ(target.GetData(), "d");
  EXPECT_EQ(target.Tag(), 0);
  EXPECT_EQ(target.ChildCount(), 0);
  ASSERT_EQ(target.ObjClass(), "TJumpNode");
  EXPECT_EQ(static_cast<TJumpNode*>(target.GetObj())->CtxStr(), "inner");

  TMyNode plain(nullptr);
  plain.SetTag(4);
  target.Assign(plain);
  EXPECT_EQ(target.Tag(), 4);
}

TEST_F(NodeCopy, PlainNodeIsAnEmptyLookupItem) {
  TMyNode node(nullptr);
  ILookupItem& item = node;
  EXPECT_EQ(item.GetText(), " ");
  EXPECT_EQ(item.ItemObject(), &node);
  item.SetId(5);
  item.SetData("x");
  EXPECT_EQ(item.GetId(), -1);
  EXPECT_EQ(item.GetData(), "");
  EXPECT_EQ(item.GetObj(), nullptr);
}

// An object that remembers the node message it was sent.
class TWatcher : public TPersistent, public INodeMessageReceiver {
 public:
  void NodeMessage(TNodeMessage& message) override { seen = message; }
  TNodeMessage seen;
};

TEST_F(NodeCopy, HtmlNodeTellsANewObjectAndFreesTheOld) {
  THTMLNode node(nullptr);
  auto* watcher = new TWatcher;
  node.SetObj(watcher);
  EXPECT_EQ(watcher->seen.msg, kNodeObjectMessage);
  EXPECT_EQ(watcher->seen.node, &node);
  node.SetObjClass("");  // frees it (the sanitizer build reports a leak otherwise)
  EXPECT_EQ(node.GetObj(), nullptr);
}

TEST_F(NodeCopy, HtmlNodesAnswerTheNumberingPasses) {
  THTMLNode numbered(nullptr), fresh(nullptr);
  numbered.SetId(12);
  int32_t counter = 3;
  for (int pass : {0, 1}) {
    for (THTMLNode* node : {&numbered, &fresh}) {
      TNodeMessage message{kNumberNodesMessage, pass, &counter};
      node->NodeMessage(message);
    }
  }
  EXPECT_EQ(counter, 13);
  EXPECT_EQ(numbered.GetId(), 12);
  EXPECT_EQ(fresh.GetId(), 13);
  TNodeMessage clear{kNumberNodesMessage, 2, &counter};
  numbered.NodeMessage(clear);
  EXPECT_EQ(numbered.GetId(), 0);
}

}  // namespace
}  // namespace cd
