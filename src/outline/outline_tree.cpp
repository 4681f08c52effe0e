// The outline's root, node order, update counter and node factory, and the stored node forms
// "BinNodes" and "Nodes" as its extra values.
#include "outline/outline_tree.h"

#include "base/exceptions.h"
#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "config/config_io.h"
#include "outline/my_node.h"
#include "outline/stored_nodes.h"

namespace cd {

// The control stores Tag among its own keys, so this record does not inherit the component's.
const TClassInfo& TOutlineTree::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TOutlineTree>("TOutlineTree", &TPersistent::StaticClass())
          .Extra(
              "BinNodes",
              [](TOutlineTree& o, TBinaryReader& r) {
                o.nodeForm_ = TNodeForm::BinNodes;
                ReadBinNodes(o, r.ReadBinary());
              },
              [](const TOutlineTree& o, TBinaryWriter& w) {
                w.WriteBinary(WriteBinNodes(const_cast<TOutlineTree&>(o)));
              },
              [](const TOutlineTree& o) { return o.nodeForm_ == TNodeForm::BinNodes; })
          .Extra(
              "Nodes",
              [](TOutlineTree& o, TBinaryReader& r) {
                o.nodeForm_ = TNodeForm::Nodes;
                ReadNodes(o, r);
              },
              [](const TOutlineTree& o, TBinaryWriter& w) {
                WriteNodes(const_cast<TOutlineTree&>(o), w);
              },
              [](const TOutlineTree& o) { return o.nodeForm_ == TNodeForm::Nodes; })
          .Build();
  return info;
}

TOutlineTree::TOutlineTree(TComponent* owner)
    : TComponent(owner),
      nodeForm_(!kStoreNodes         ? TNodeForm::Nested
                : kBinaryNodeStorage ? TNodeForm::BinNodes
                                     : TNodeForm::Nodes) {}

TOutlineTree::~TOutlineTree() {
  order_.SetRoot(nullptr);
  root_.reset();
}

TOutlineNode& TOutlineTree::RootNode() {
  if (!root_) {
    root_ = NewNode("");
    root_->isRoot_ = true;
    root_->expanded_ = true;
    root_->AttachOutline(this);
    order_.SetRoot(root_.get());
  }
  return *root_;
}

int TOutlineTree::ItemCount() {
  RootNode();
  return order_.Count() - 1;
}

TOutlineNode& TOutlineTree::Items(int index) {
  RootNode();
  TOutlineNode* node = order_.At(index);
  if (!node) throw EOutlineError("Outline index not found");
  return *node;
}

TOutlineNode& TOutlineTree::LastNode() {
  RootNode();
  return *order_.Last();
}

void TOutlineTree::Clear() {
  TOutlineNode& root = RootNode();
  BeginUpdate();
  while (root.HasChildren()) root.Delete(root.ChildCount() - 1);
  EndUpdate();
}

void TOutlineTree::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void TOutlineTree::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

std::unique_ptr<TOutlineNode> TOutlineTree::NewNode(const std::string& text) {
  std::unique_ptr<TOutlineNode> node;
  if (text.empty()) {
    node = std::make_unique<TMyNode>(nullptr);
  } else {
    std::unique_ptr<TComponent> read = StringToObject("object " + text + " end");
    if (!dynamic_cast<TOutlineNode*>(read.get())) throw EInvalidCast();
    node.reset(static_cast<TOutlineNode*>(read.release()));
    SetTag(Tag() + 1);
    node->SetTag(Tag());
  }
  node->AttachOutline(this);
  return node;
}

void TOutlineTree::GetChildren(const std::function<void(TComponent*)>& proc) const {
  if (!root_ || nodeForm_ != TNodeForm::Nested) return;
  for (int i = 0; i < root_->ChildCount(); ++i) proc(&root_->Child(i));
}

}  // namespace cd
