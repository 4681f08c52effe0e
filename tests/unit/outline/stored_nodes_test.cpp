// Whole trees in their stored forms: nested objects, "BinNodes", "Nodes", indented text lines
// and one node on one line of object text.
#include "outline/stored_nodes.h"

#include <gtest/gtest.h>

#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "config/class_registry.h"
#include "config/config_io.h"
#include "config/object_reader.h"
#include "outline/html_node.h"
#include "outline/jump_node.h"
#include "outline/outline_classes.h"
#include "outline/outline_lines.h"
#include "outline/outline_tree.h"
#include "streams/memory_stream.h"
#include "support/message_of.h"

namespace cd {
namespace {

class StoredNodes : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterOutlineClasses();
    RegisterClass(TOutlineTree::StaticClass());
    TOutlineNode& root = outline.RootNode();
    TOutlineNode& a = Add<TMyNode>(root, "a");
    static_cast<TJumpNode&>(Add<TJumpNode>(a, "b")).SetCtxStr("jump");
    auto& html = static_cast<THTMLNode&>(Add<THTMLNode>(a, "c"));
    html.SetId(4);
    html.SetData("data");
    html.SetDisabled(true);
    Add<TMyNode>(root, "d").SetTag(1000);
  }

  template <class T>
  static TOutlineNode& Add(TOutlineNode& parent, const std::string& text) {
    auto node = std::make_unique<T>(nullptr);
    node->SetText(text);
    return parent.AddChild(std::move(node));
  }

  // The tree as lines of class, text, tag and the subclass fields.
  static std::string Dump(TOutlineTree& tree) {
    std::string out;
    for (int i = 1; i <= tree.ItemCount(); ++i) {
      TOutlineNode& n = tree.Items(i);
      out += std::to_string(n.Level()) + " " + n.ClassName() + " " + n.Text() + " " +
             std::to_string(n.Tag());
      if (auto* j = dynamic_cast<TJumpNode*>(&n)) out += " " + j->CtxStr();
      if (auto* h = dynamic_cast<THTMLNode*>(&n))
        out += " " + std::to_string(h->GetId()) + h->GetData() + std::to_string(h->State());
      out += "\n";
    }
    return out;
  }

  TOutlineTree outline{nullptr};
  TOutlineTree copy{nullptr};
};

TEST_F(StoredNodes, BinNodesRoundTripAndLayout) {
  const std::string bytes = WriteBinNodes(outline);
  EXPECT_EQ(bytes.substr(0, 13), std::string("\x02\0\x07\0\0\0TMyNode", 13));
  ReadBinNodes(copy, bytes);
  EXPECT_EQ(Dump(copy), Dump(outline));
  EXPECT_EQ(Dump(copy),
            "1 TMyNode a 0\n2 TJumpNode b 0 jump\n2 THTMLNode c 0 4data2\n1 TMyNode d 1000\n");
}

TEST_F(StoredNodes, NodesRoundTripThroughComponentStreamValues) {
  std::string bytes;
  TBinaryWriter writer(bytes);
  WriteNodes(outline, writer);
  EXPECT_EQ(bytes.substr(0, 10), std::string("\x01\x06\x07TMyNode", 10));
  TBinaryReader reader(bytes);
  ReadNodes(copy, reader);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(Dump(copy), Dump(outline));
}

TEST_F(StoredNodes, AFailedReadKeepsTheNodesReadSoFar) {
  std::string bytes = WriteBinNodes(outline);
  bytes.replace(bytes.find("TJumpNode"), 9, "TJumpNoda");
  EXPECT_EQ(test::MessageOf([&] { ReadBinNodes(copy, bytes); }), "Class TJumpNoda not found");
  EXPECT_EQ(Dump(copy), "1 TMyNode a 0\n");
  std::string list;
  TBinaryWriter writer(list);
  writer.WriteListBegin();
  writer.WriteString("TOutlineTree");
  EXPECT_EQ(test::MessageOf([&] {
              TBinaryReader reader(list);
              ReadNodes(copy, reader);
            }),
            "Class TOutlineTree is no outline node");
}

TEST_F(StoredNodes, DeepNestingIsRefused) {
  std::string bytes;
  for (int i = 0; i <= TObjectReader::kMaxDepth + 1; ++i)
    bytes += std::string("\x01\0\x07\0\0\0TMyNode\x03\0\0\0\0\0\0\0\0\0", 23);
  EXPECT_EQ(test::MessageOf([&] { ReadBinNodes(copy, bytes); }), "Nodes nested too deeply");
}

TEST_F(StoredNodes, NestedObjectsRebuildTheTreeAndOmitTheNodeProperties) {
  const std::string text = ObjectToString(&outline);
  EXPECT_EQ(text.find("Nodes"), std::string::npos);
  const size_t html = text.find("object THTMLNode");
  EXPECT_LT(html, text.find("Id = 4"));  // its keys in their own order
  EXPECT_LT(text.find("Id = 4"), text.find("Text = 'c'"));
  std::unique_ptr<TComponent> read = StringToObject(text);
  EXPECT_EQ(Dump(static_cast<TOutlineTree&>(*read)), Dump(outline));
  EXPECT_EQ(ObjectToString(read.get()), text);

  RegisterClass(TComponent::StaticClass());  // a node inside some other object is its component
  std::unique_ptr<TComponent> other = StringToObject("object C: TComponent object TMyNode end end");
  EXPECT_EQ(other->ComponentCount(), 1);
}

TEST_F(StoredNodes, TheOutlineReadsBothNodePropertiesFromItsStream) {
  std::string bin;
  TBinaryWriter w(bin);
  w.WriteSignature();
  w.WriteObjectHeader(0, 0, "TOutlineTree", "O");
  w.WriteStr("BinNodes");
  w.WriteBinary(WriteBinNodes(outline));
  w.WriteStr("Nodes");
  WriteNodes(outline, w);
  w.WriteListEnd();
  w.WriteListEnd();
  TObjectReader reader(bin);
  std::unique_ptr<TComponent> read = reader.ReadRoot();
  EXPECT_EQ(Dump(static_cast<TOutlineTree&>(*read)), Dump(outline) + Dump(outline));
}

TEST_F(StoredNodes, IndentedLinesWriteAndParse) {
  EXPECT_EQ(OutlineLines(outline), "a\r\n\tb\r\n\tc\r\nd\r\n");
  LoadOutlineLines(copy, "P\r\n\tQ\r\nR\n  S\n\t\t\tT\n");
  EXPECT_EQ(OutlineLines(copy), "P\r\n\tQ\r\nR\r\n\tS\r\n\t\tT\r\n");
  EXPECT_FALSE(copy.Updating());
  TOutlineTree bad(nullptr);
  EXPECT_EQ(test::MessageOf<EOutlineError>([&] { LoadOutlineLines(bad, "P\r\n\t\t\tQ\r\n"); }),
            "File load error");
  EXPECT_EQ(OutlineLines(bad), "P\r\n");
  EXPECT_FALSE(bad.Updating());
}

TEST_F(StoredNodes, WriteLineGivesWhatTheNodeFactoryReads) {
  auto& html = static_cast<THTMLNode&>(outline.Items(3));
  html.SetText("the end");
  TMemoryStream line;
  html.WriteLine(line);
  EXPECT_EQ(line.Data().find_first_of("\r\n"), std::string::npos);
  outline.SetTag(20);
  std::unique_ptr<TOutlineNode> made = outline.NewNode(line.Data());
  EXPECT_EQ(made->Text(), "the end");
  EXPECT_EQ(static_cast<THTMLNode&>(*made).GetData(), "data");
  EXPECT_EQ(made->Tag(), 21);
  EXPECT_EQ(outline.Tag(), 21);
  EXPECT_EQ(made->Outline(), &outline);

  TMemoryStream parent;
  static_cast<TMyNode&>(outline.Items(1)).WriteLine(parent);
  EXPECT_EQ(outline.NewNode(parent.Data())->ChildCount(), 2);
}

}  // namespace
}  // namespace cd
