// TSelInstNode: the stored file list of a component node.
#include "outline/sel_inst_node.h"

namespace cd {

const TClassInfo& TSelInstNode::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSelInstNode>("TSelInstNode", &TMyNode::StaticClass())
          .Object("FileList", [](TSelInstNode& n) { return n.fileList_.get(); })
          .Build();
  return info;
}

TSelInstNode::TSelInstNode(TComponent* owner)
    : TMyNode(owner), fileList_(std::make_unique<TStringList>()) {}

}  // namespace cd
